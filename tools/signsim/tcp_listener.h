// The sign's network adapter: listens on 127.0.0.1 and serves every connection the
// tool opens, each in its own thread, all talking to the same sign.
#pragma once

#include <atomic>
#include <list>
#include <mutex>
#include <string>
#include <thread>

#include "tools/signsim/session.h"

namespace kyz::signsim {

class TcpListener {
 public:
  TcpListener(Sign& sign, const SessionContext& context) : sign_(sign), context_(context) {}
  ~TcpListener();

  // Binds and listens; `port` 0 takes a free one. False with `error` set on failure.
  // With `hold_connects` no connection is taken: the listener's queue holds one, its
  // own, and the system leaves every further connect unanswered, so it stays pending.
  bool start(int port, bool hold_connects, std::string& error);
  int port() const { return port_; }

  // Ends accepting and every connection; returns when all threads are done. Call after
  // a stop was requested.
  void join();

 private:
  // One served connection; `done` is set as its thread ends, so it can be joined
  // without waiting.
  struct Connection {
    std::thread thread;
    std::atomic<bool> done{false};
  };

  void accept_loop();
  void serve(int fd, int number, std::atomic<bool>& done);
  void reap_finished();

  Sign& sign_;
  const SessionContext& context_;
  int listen_fd_ = -1;
  int queue_filler_fd_ = -1;  // the connection that keeps a held queue full
  int port_ = 0;
  std::thread acceptor_;
  std::mutex connections_mutex_;
  std::list<Connection> connections_;
};

}  // namespace kyz::signsim

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/kyz424ctl/ctl_options.h"

namespace kyz::ctl {
namespace {

std::optional<Options> parse(std::vector<std::string> args, std::string* error = nullptr) {
  std::string ignored;
  return parse_options(args, error ? *error : ignored);
}

TEST(Kyz424ctlOptions, AcceptsTheFourCommands) {
  auto o = parse({"new", "--edition", "mfc", "out.dat"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->action, Action::make_new);
  EXPECT_EQ(o->program, Edition::mfc);
  EXPECT_EQ(o->files, std::vector<std::string>{"out.dat"});

  o = parse({"requests", "--tcp"});
  ASSERT_TRUE(o);
  EXPECT_TRUE(o->over_tcp);
  EXPECT_EQ(o->program, Edition::lx);

  o = parse({"apply", "in.dat", "out.dat"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->files, (std::vector<std::string>{"in.dat", "out.dat"}));
}

TEST(Kyz424ctlOptions, RefusesWhatIsNotACommand) {
  std::string error;
  EXPECT_FALSE(parse({}, &error));
  EXPECT_FALSE(parse({"send", "x.dat"}, &error));
  EXPECT_NE(error.find("send"), std::string::npos);
  EXPECT_FALSE(parse({"commands"}));                         // file missing
  EXPECT_FALSE(parse({"commands", "a.dat", "b.dat"}));       // one too many
  EXPECT_FALSE(parse({"commands", "--tcp", "a.dat"}));       // --tcp is for requests
  EXPECT_FALSE(parse({"new", "--edition"}));                 // value missing
  EXPECT_FALSE(parse({"new", "--edition", "nt", "a.dat"}));  // unknown edition
  EXPECT_FALSE(parse({"new", "-x", "a.dat"}));
}

TEST(Kyz424ctlOptions, SignAndFleetCommandsNeedOneWayToTheirSigns) {
  auto o = parse({"send", "a.dat", "--tcp", "10.0.0.5:9004", "--pace", "answer", "--answer-timeout", "0.5"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->reach, Reach::tcp);
  EXPECT_EQ(o->tcp_target.host, "10.0.0.5");
  EXPECT_EQ(o->tcp_target.port, 9004);
  EXPECT_EQ(o->pace, Pace::answer);
  EXPECT_EQ(o->answer_timeout_ms, 500);

  o = parse({"backup", "dir", "--listen", "9004", "--adapters", "96", "--timeout", "30"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->reach, Reach::listen);
  EXPECT_EQ(o->adapters, 96);
  EXPECT_EQ(o->timeout_ms, 30000);

  const std::vector<std::vector<std::string>> refused = {
      {"read", "o.dat"},                                                  // no link
      {"read", "o.dat", "--serial", "/dev/ttyS0", "--tcp", "h:1"},        // two links
      {"send", "a.dat", "--tcp", "host"},                                 // no port
      {"send", "a.dat", "--tcp", "host:70000"},
      {"send", "a.dat", "--serial", "COM1", "--pace", "fast"},
      {"send", "a.dat", "--serial", "COM1", "--answer-timeout", "0"},
      {"push", "a.dat", "--listen", "9004"},                              // how many?
      {"push", "a.dat", "--listen", "9004", "--adapters", "97"},          // the server takes 96
      {"push", "a.dat", "--hosts", "h.txt", "--adapters", "3"},
      {"push", "a.dat", "--serial", "COM1"},                              // fleets are TCP
      {"send", "a.dat", "--listen", "9004"},
  };
  for (const auto& args : refused) EXPECT_FALSE(parse(args)) << args[0] << " " << args[2];
}

}  // namespace
}  // namespace kyz::ctl

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

}  // namespace
}  // namespace kyz::ctl

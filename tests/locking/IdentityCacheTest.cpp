// This user's lock identity is gathered once and again only when the full name's sources change.

#include <gtest/gtest.h>

#include "locking/CurrentIdentity.h"
#include "locking/IdentityCache.h"
#include "support/HostFixture.h"

namespace vox::locking {
namespace {

struct Sources {
  IdentityCache::Value profile;
  IdentityCache::Value environment;
  int gathered = 0;

  IdentityCache::Sources functions() {
    return IdentityCache::Sources{
        [this] { return profile; }, [this] { return environment; },
        [this](const IdentityCache::Value& p, const IdentityCache::Value& e) {
          ++gathered;
          return LockIdentity{L"ann", L"PC9", p ? *p : e.value_or(L"")};
        }};
  }
};

TEST(IdentityCache, GathersOnceUntilAFullNameSourceChanges) {
  Sources sources;
  sources.environment = L"Ann Env";
  IdentityCache cache(sources.functions());
  EXPECT_EQ(cache.identity().fullName, L"Ann Env");
  EXPECT_EQ(cache.holder(), L"ann(PC9 Ann Env)");
  EXPECT_EQ(cache.identity().fullName, L"Ann Env");
  EXPECT_EQ(sources.gathered, 1) << "expected the identity gathered once while nothing changed";

  sources.profile = L"Ann Smith";  // the profile value now set
  EXPECT_EQ(cache.holder(), L"ann(PC9 Ann Smith)");
  EXPECT_EQ(sources.gathered, 2);

  sources.profile = L"";  // an empty profile value is a value, and a change
  EXPECT_EQ(cache.identity().fullName, L"");
  sources.profile.reset();  // gone: the environment's again
  EXPECT_EQ(cache.identity().fullName, L"Ann Env");
  EXPECT_EQ(sources.gathered, 4);
}

class ProcessIdentity : public test::HostFixture {};

TEST_F(ProcessIdentity, AFullNameSetInTheSettingsStoreShowsAtTheNextCheck) {
  ASSERT_TRUE(settings().setString(fullNameProfileKey(), L"FULLNAME", L"First Name"));
  EXPECT_EQ(currentLockIdentity().fullName, L"First Name");
  ASSERT_TRUE(settings().setString(fullNameProfileKey(), L"FULLNAME", L"Second Name"));
  EXPECT_EQ(currentLockIdentity().fullName, L"Second Name");
  EXPECT_NE(currentOwnIdentity().text().find(L"Second Name"), std::wstring::npos);
}

}  // namespace
}  // namespace vox::locking

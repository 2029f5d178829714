#include "outlook/DaslFilter.h"

#include <gtest/gtest.h>

#include "outlook/DaslProperties.h"
#include "support/SmallStore.h"

namespace kov::outlook {
namespace {

const std::string kTag = "http://schemas.microsoft.com/mapi/proptag/";
const std::string kId = "http://schemas.microsoft.com/mapi/id/";

// The subjects of the items of a folder of the small store that the filter lets through.
std::string Matching(const std::string& folderName, const std::string& filter) {
  static const StoreSet store = kov::testing::SmallStore();
  const FolderData* folder = nullptr;
  for (const auto& child : store.stores[0]->root->folders) {
    if (child->name == folderName) folder = child.get();
  }
  const DaslFilter compiled = DaslFilter::Compile(filter);
  std::string matched;
  for (const auto& item : folder->items) {
    if (!compiled.Matches(*item, folder->itemType)) continue;
    if (!matched.empty()) matched += ",";
    matched += item->Find(Prop::Subject)->ToString();
  }
  return matched;
}

TEST(DaslFilter, AcceptedFiltersMatchTheirItems) {
  struct Case {
    const char* folder;
    std::string filter;
    const char* matched;
  };
  const Case cases[] = {
      {"Inbox", "", "m1,m2,m3,m4,m5"},
      {"Inbox", "   ", "m1,m2,m3,m4,m5"},
      {"Inbox", " \"DAV:isfolder\" = False And \"DAV:ishidden\" = False ", "m1,m2,m3,m4,m5"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE '%anna%'", "m1,m3"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE 'ANNA%'", "m1,m3"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE '%Dorn'", "m4"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE 'anna berger'", "m1,m3"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE 'anna'", ""},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE '%é%'", "m4"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE '%ÉLISE%'", "m4"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" LIKE 'O''Brien%'", "m5"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" = 'BRUNO CONRAD'", "m2"},
      {"Inbox", "\"urn:schemas:httpmail:fromname\" <> 'Bruno Conrad'", "m1,m3,m4,m5"},
      // The marker of the tabs part matches nothing by itself: the tab terms decide.
      {"Inbox", "\"urn:schemas:httpmail:subject\" LIKE '%'", ""},
      {"Inbox",
       "(\"urn:schemas:httpmail:subject\" LIKE '%'OR (\"urn:schemas:httpmail:fromname\" LIKE "
       "'%Bruno%'))",
       "m2"},
      {"Inbox",
       "\"urn:schemas:httpmail:read\" = 0 AND (\"urn:schemas:httpmail:subject\" LIKE '%'OR "
       "(\"" +
           kTag + "0x0065001f\" LIKE '%contoso%'))",
       "m1,m4"},
      {"Inbox", "\"urn:schemas:httpmail:read\" = 0", "m1,m4"},
      {"Inbox", "\"urn:schemas:httpmail:read\" = True", "m2,m3,m5"},
      {"Inbox", "\"urn:schemas:httpmail:read\" = 0 AND \"" + kTag + "0x10900003\" > 0", "m1"},
      {"Inbox", "\"" + kTag + "0x10900003\" = 1", "m2"},
      {"Inbox", "\"" + kTag + "0x10900003\" >= 1", "m1,m2"},
      {"Inbox", "\"urn:schemas:httpmail:hasattachment\" = 1", "m1"},
      {"Inbox", "\"urn:schemas-microsoft-com:office:office#Keywords\" LIKE '%travel%'", "m1"},
      {"Inbox", "not \"urn:schemas:httpmail:read\" = 0", "m2,m3,m5"},
      {"Inbox",
       "NOT \"urn:schemas:httpmail:read\" = 0 AND \"urn:schemas:httpmail:fromname\" "
       "LIKE 'a%'",
       "m3"},
      {"Inbox",
       "\"urn:schemas:httpmail:subject\" = 'm1' OR \"urn:schemas:httpmail:subject\" = "
       "'m2' AND \"urn:schemas:httpmail:read\" = 0",
       "m1"},
      {"Inbox",
       "(\"urn:schemas:httpmail:subject\" = 'm1' OR \"urn:schemas:httpmail:subject\" = "
       "'m2') AND \"urn:schemas:httpmail:read\" = 1",
       "m2"},
      {"Inbox", "\"" + kTag + "0x3001001f\" LIKE '%a%'", ""},  // carried by no item
      {"Sent Items",
       "\"urn:schemas:httpmail:displayto\" LIKE '%anna%' OR "
       "\"urn:schemas:httpmail:displaycc\" LIKE '%anna%'",
       "s1"},
      {"Sent Items", "\"urn:schemas:httpmail:displaycc\" LIKE '%conrad%'", "s1"},
      {"Contacts", "\"urn:schemas:contacts:cn\" LIKE 'B%'", "c2"},
      {"Contacts", "\"urn:schemas:contacts:o\" LIKE '%contoso%'", "c1"},
      {"Contacts",
       "\"urn:schemas:contacts:co\" LIKE '%germany%' OR "
       "\"urn:schemas:contacts:mailingcountry\" LIKE '%germany%'",
       "c1"},
      {"Contacts", "\"urn:schemas:contacts:homeCountry\" = 'Austria'", "c1"},
      {"Contacts", "\"urn:schemas:contacts:othercountry\" = 'Canada'", "c2"},
      {"Contacts", "\"urn:schemas:contacts:mailingcountry\" = 'France'", "c2"},
      {"Contacts", "\"urn:schemas:contacts:l\" = 'berlin'", "c1"},
      {"Contacts", "\"urn:schemas:contacts:homeCity\" = 'Vienna'", "c1"},
      {"Contacts", "\"urn:schemas:contacts:mailingcity\" = 'Paris'", "c2"},
      {"Contacts", "\"urn:schemas:contacts:othercity\" = 'Toronto'", "c2"},
      {"Contacts", "\"urn:schemas:httpmail:fromname\" LIKE '%a%'", ""},  // contacts have no sender
      {"Calendar", "\"urn:schemas:calendar:location\" LIKE '%room%'", "a1"},
      {"Calendar", "\"" + kId + "{00062002-0000-0000-C000-000000000046}/82140003\" = 3", "a1"},
      {"Calendar",
       "\"" + kId + "{00062008-0000-0000-C000-000000000046}/8586001f\" LIKE  '%conrad%'", "a1"},
      {"Calendar",
       "\"" + kId +
           "{00062008-0000-0000-C000-000000000046}/8586001f\" = "
           "'Anna Berger; Bruno Conrad'",
       "a1"},
      {"Calendar",
       "\"" + kId + "{00062008-0000-0000-C000-000000000046}/853a101f\" = 'bruno conrad'", "a1"},
      {"Tasks", "\"" + kId + "{00062003-0000-0000-C000-000000000046}/81010003\" = 2", "t1,t3"},
      // The note property set has no 0x8101: a name no item carries.
      {"Tasks", "(\"" + kId + "{0006200E-0000-0000-C000-000000000046}/81010003\" = 2)", ""},
      {"Tasks", "\"" + kId + "{00062008-0000-0000-C000-000000000046}/853a101f\" LIKE '%carla%'",
       "t1"},
      {"Notes", "\"" + kId + "{0006200E-0000-0000-C000-000000000046}/8b000003\" = 2", "n1"},
      {"Notes", "\"" + kId + "{0006200e-0000-0000-c000-000000000046}/8B000003\" = '0'", "n2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    EXPECT_EQ(Matching(c.folder, c.filter), c.matched);
  }
}

TEST(DaslFilter, RejectedTextsNameWhatIsWrong) {
  struct Case {
    std::string filter;
    const char* message;
  };
  const Case cases[] = {
      {"\"urn:schemas:httpmail:nosuch\" = 1", "unknown property \"urn:schemas:httpmail:nosuch\""},
      {"\"urn:schemas:contacts:nosuch\" LIKE 'a%'", "unknown property"},
      {"\"DAV:href\" = 'x'", "unknown property"},
      {"\"urn:other:thing\" = 1", "unknown property"},
      {"\"" + kTag + "0x123\" = 1", "unknown property"},
      {"\"" + kId + "{00062003-0000-0000-C000-000000000046}/8101\" = 1", "unknown property"},
      {"\"" + kId + "{00062003-0000-0000-C000-00000000004}/81010003\" = 1", "unknown property"},
      {"\"urn:schemas:httpmail:subject\" LIKE 'abc", "unterminated string at position 37"},
      {"\"urn:schemas:httpmail:subject LIKE 'abc'", "unterminated property name at position 1"},
      {"\"urn:schemas:httpmail:subject\" LIKE 3", "LIKE needs a quoted pattern"},
      {"\"urn:schemas:httpmail:subject\" 'a'", "expected LIKE or a comparison"},
      {"\"urn:schemas:httpmail:subject\" =", "expected a value"},
      {"(\"urn:schemas:httpmail:subject\" = 'a'", "expected \")\""},
      {"\"urn:schemas:httpmail:subject\" = 'a')", "unexpected \")\""},
      {"\"urn:schemas:httpmail:subject\" = 'a' AND", "expected a quoted property name"},
      {"\"urn:schemas:httpmail:subject\" = 'a' XOR \"DAV:isfolder\" = 0", "unknown word \"XOR\""},
      {"\"urn:schemas:httpmail:subject\" ! 'a'", "unexpected character '!'"},
      {"@SQL=\"urn:schemas:httpmail:subject\" = 'a'", "unexpected character '@'"},
  };
  for (const auto& c : cases) {
    try {
      DaslFilter::Compile(c.filter);
      ADD_FAILURE() << "accepted: " << c.filter;
    } catch (const DaslError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << c.filter << " -> " << e.what();
    }
  }
}

TEST(DaslFilter, EveryNameTheAddinWritesIsMapped) {
  const std::vector<std::string> used = {
      "urn:schemas:httpmail:subject",
      "urn:schemas:httpmail:fromname",
      "urn:schemas:httpmail:displayto",
      "urn:schemas:httpmail:displaycc",
      "urn:schemas:httpmail:read",
      "urn:schemas:httpmail:hasattachment",
      "urn:schemas:contacts:cn",
      "urn:schemas:contacts:o",
      "urn:schemas:contacts:co",
      "urn:schemas:contacts:mailingcountry",
      "urn:schemas:contacts:homeCountry",
      "urn:schemas:contacts:othercountry",
      "urn:schemas:contacts:l",
      "urn:schemas:contacts:mailingcity",
      "urn:schemas:contacts:homeCity",
      "urn:schemas:contacts:othercity",
      "urn:schemas:calendar:location",
      "urn:schemas-microsoft-com:office:office#Keywords",
      "DAV:isfolder",
      "DAV:ishidden",
      kTag + "0x0065001f",
      kTag + "0x10900003",
      kId + "{00062008-0000-0000-C000-000000000046}/8586001f",
      kId + "{00062008-0000-0000-C000-000000000046}/853a101f",
      kId + "{00062002-0000-0000-C000-000000000046}/82140003",
      kId + "{00062003-0000-0000-C000-000000000046}/81010003",
      kId + "{0006200E-0000-0000-C000-000000000046}/8b000003",
  };
  const std::vector<std::string> known = KnownDaslNames();
  for (const auto& name : used) {
    const auto resolved = ResolveDaslName(name);
    ASSERT_TRUE(resolved.has_value()) << name;
    EXPECT_NE(resolved->source, DaslSource::Absent) << name;
    EXPECT_NE(std::find(known.begin(), known.end(), name), known.end()) << name;
    EXPECT_NO_THROW(DaslFilter::Compile("\"" + name + "\" = 1")) << name;
  }
  const auto wrongSet = ResolveDaslName(kId + "{0006200E-0000-0000-C000-000000000046}/81010003");
  ASSERT_TRUE(wrongSet.has_value());
  EXPECT_EQ(wrongSet->source, DaslSource::Absent);
}

}  // namespace
}  // namespace kov::outlook

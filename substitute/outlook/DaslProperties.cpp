#include "outlook/DaslProperties.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "base/Text.h"

namespace kov::outlook {
namespace {

struct Entry {
  const char* name;  // a URN, or a MAPI name after its namespace prefix
  DaslSource source;
  Prop prop;
};

constexpr Entry kNamed[] = {
    {"urn:schemas:httpmail:subject", DaslSource::Property, Prop::Subject},
    {"urn:schemas:httpmail:fromname", DaslSource::Property, Prop::SenderName},
    {"urn:schemas:httpmail:displayto", DaslSource::Property, Prop::To},
    {"urn:schemas:httpmail:displaycc", DaslSource::Property, Prop::CC},
    {"urn:schemas:httpmail:textdescription", DaslSource::Property, Prop::Body},
    {"urn:schemas:httpmail:read", DaslSource::Read, Prop::UnRead},
    {"urn:schemas:httpmail:hasattachment", DaslSource::HasAttachment, Prop::Attachments},
    {"urn:schemas:contacts:cn", DaslSource::Property, Prop::FullName},
    {"urn:schemas:contacts:o", DaslSource::Property, Prop::CompanyName},
    {"urn:schemas:contacts:email1", DaslSource::Property, Prop::Email1Address},
    {"urn:schemas:contacts:co", DaslSource::Property, Prop::BusinessAddressCountry},
    {"urn:schemas:contacts:homeCountry", DaslSource::Property, Prop::HomeAddressCountry},
    {"urn:schemas:contacts:mailingcountry", DaslSource::Property, Prop::MailingAddressCountry},
    {"urn:schemas:contacts:othercountry", DaslSource::Property, Prop::OtherAddressCountry},
    {"urn:schemas:contacts:l", DaslSource::Property, Prop::BusinessAddressCity},
    {"urn:schemas:contacts:homeCity", DaslSource::Property, Prop::HomeAddressCity},
    {"urn:schemas:contacts:mailingcity", DaslSource::Property, Prop::MailingAddressCity},
    {"urn:schemas:contacts:othercity", DaslSource::Property, Prop::OtherAddressCity},
    {"urn:schemas:calendar:location", DaslSource::Property, Prop::Location},
    {"urn:schemas-microsoft-com:office:office#Keywords", DaslSource::Property, Prop::Categories},
    {"DAV:isfolder", DaslSource::False, Prop::Subject},
    {"DAV:ishidden", DaslSource::False, Prop::Subject},
};

constexpr Entry kPropTags[] = {
    {"0x0037001f", DaslSource::Property, Prop::Subject},
    {"0x0037001e", DaslSource::Property, Prop::Subject},
    {"0x0065001f", DaslSource::Property, Prop::SenderEmailAddress},
    {"0x0065001e", DaslSource::Property, Prop::SenderEmailAddress},
    {"0x0c1a001f", DaslSource::Property, Prop::SenderName},
    {"0x0e04001f", DaslSource::Property, Prop::To},
    {"0x0e03001f", DaslSource::Property, Prop::CC},
    {"0x10900003", DaslSource::Property, Prop::FlagStatus},
};

constexpr Entry kMapiIds[] = {
    {"{00062008-0000-0000-C000-000000000046}/8586001f", DaslSource::LinkNames, Prop::Subject},
    {"{00062008-0000-0000-C000-000000000046}/853a101f", DaslSource::LinkNameList, Prop::Subject},
    {"{00062002-0000-0000-C000-000000000046}/82140003", DaslSource::Property, Prop::Label},
    {"{00062003-0000-0000-C000-000000000046}/81010003", DaslSource::Property, Prop::Status},
    {"{0006200E-0000-0000-C000-000000000046}/8b000003", DaslSource::Property, Prop::Color},
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && TextEquals(text.substr(0, prefix.size()), prefix);
}

bool IsHex(std::string_view text) {
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return !text.empty();
}

// "{8-4-4-4-12}/" followed by an id and a type, eight hex digits in all.
bool WellFormedMapiId(std::string_view rest) {
  if (rest.size() != 38 + 1 + 8 || rest[0] != '{' || rest[37] != '}' || rest[38] != '/') {
    return false;
  }
  static constexpr size_t kDashes[] = {9, 14, 19, 24};
  for (size_t i = 1; i < 37; ++i) {
    const bool dash = std::find(std::begin(kDashes), std::end(kDashes), i) != std::end(kDashes);
    if (dash ? rest[i] != '-' : !std::isxdigit(static_cast<unsigned char>(rest[i]))) return false;
  }
  return IsHex(rest.substr(39));
}

std::optional<DaslProperty> Lookup(const Entry* begin, const Entry* end, std::string_view name) {
  for (const Entry* entry = begin; entry != end; ++entry) {
    if (TextEquals(entry->name, name)) return DaslProperty{entry->source, entry->prop};
  }
  return std::nullopt;
}

}  // namespace

std::optional<DaslProperty> ResolveDaslName(const std::string& name) {
  if (StartsWithNoCase(name, kPropTagPrefix)) {
    const std::string_view tag =
        std::string_view(name).substr(std::string_view(kPropTagPrefix).size());
    if (tag.size() != 10 || !StartsWithNoCase(tag, "0x") || !IsHex(tag.substr(2))) {
      return std::nullopt;
    }
    if (auto known = Lookup(std::begin(kPropTags), std::end(kPropTags), tag)) return known;
    return DaslProperty{DaslSource::Absent, Prop::Subject};
  }
  if (StartsWithNoCase(name, kMapiIdPrefix)) {
    const std::string_view id =
        std::string_view(name).substr(std::string_view(kMapiIdPrefix).size());
    if (!WellFormedMapiId(id)) return std::nullopt;
    if (auto known = Lookup(std::begin(kMapiIds), std::end(kMapiIds), id)) return known;
    return DaslProperty{DaslSource::Absent, Prop::Subject};
  }
  if (auto known = Lookup(std::begin(kNamed), std::end(kNamed), name)) return known;
  // Any other name, in a namespace the host knows or in none, is rejected.
  return std::nullopt;
}

std::vector<std::string> KnownDaslNames() {
  std::vector<std::string> names;
  for (const auto& entry : kNamed) names.emplace_back(entry.name);
  for (const auto& entry : kPropTags) names.push_back(std::string(kPropTagPrefix) + entry.name);
  for (const auto& entry : kMapiIds) names.push_back(std::string(kMapiIdPrefix) + entry.name);
  return names;
}

}  // namespace kov::outlook

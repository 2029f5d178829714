// The view control's filter engine over a million mails, with filters shaped like the ones the
// add-in writes, beside SQLite evaluating the equivalent SQL over the same rows in an in-memory
// table. Both report items per second; the engine's goal is at least SQLite's throughput.
//
//   build/bench/dasl_filter_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "outlook/DaslFilter.h"
#include "outlook/StoreModel.h"

namespace {

using namespace kov;
using namespace kov::outlook;

constexpr int kItems = 1000000;
const std::string kTag = "http://schemas.microsoft.com/mapi/proptag/";

struct Row {
  std::string subject, fromname, email;
  int unread, flag, attachments;
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = [] {
    static const char* kFirst[] = {"Anna", "Bruno", "Carla", "Daniel", "Elena", "Felix", "Greta",
                                   "Hugo", "Ines",  "Jonas", "Karin",  "Lukas", "Maria", "Nils"};
    static const char* kLast[] = {"Berger", "Conrad", "Dorn",   "Eckert", "Fischer", "Gruber",
                                  "Hansen", "Jansen", "Keller", "Lorenz", "Maier",   "Novak"};
    static const char* kWords[] = {"budget",   "meeting",  "report",   "invoice", "travel",
                                   "release",  "contract", "review",   "launch",  "security",
                                   "update",   "lunch",    "training", "holiday", "server",
                                   "customer", "schedule", "sales"};
    std::mt19937 dice(42);
    std::vector<Row> out;
    out.reserve(kItems);
    for (int i = 0; i < kItems; ++i) {
      const std::string first = kFirst[dice() % std::size(kFirst)];
      const std::string last = kLast[dice() % std::size(kLast)];
      std::string subject = (dice() % 4 == 0) ? "Re: " : "";
      for (int w = 0; w < 4; ++w) {
        std::string word = kWords[dice() % std::size(kWords)];
        if (w == 0) word[0] = static_cast<char>(word[0] - 32);
        subject += (w ? " " : "") + word;
      }
      out.push_back({subject, first + " " + last, first + "." + last + "@example.com",
                     static_cast<int>(dice() % 3 == 0), static_cast<int>(dice() % 10 < 2 ? 2 : 0),
                     static_cast<int>(dice() % 5 == 0)});
    }
    return out;
  }();
  return rows;
}

const std::vector<ItemData>& Items() {
  static const std::vector<ItemData> items = [] {
    std::vector<ItemData> out;
    out.reserve(kItems);
    for (const Row& row : Rows()) {
      ItemData item;
      item.Set(Prop::Subject, Variant(row.subject));
      item.Set(Prop::SenderName, Variant(row.fromname));
      item.Set(Prop::SenderEmailAddress, Variant(row.email));
      item.Set(Prop::UnRead, Variant(row.unread != 0));
      item.Set(Prop::FlagStatus, Variant(int32_t{row.flag}));
      item.Set(Prop::Attachments, Variant(int32_t{row.attachments}));
      out.push_back(std::move(item));
    }
    return out;
  }();
  return items;
}

sqlite3* Database() {
  static sqlite3* db = [] {
    sqlite3* handle = nullptr;
    sqlite3_open(":memory:", &handle);
    sqlite3_exec(handle,
                 "CREATE TABLE mail(subject TEXT, fromname TEXT, email TEXT, unread INT, flag INT,"
                 " attachments INT, isfolder INT, ishidden INT)",
                 nullptr, nullptr, nullptr);
    sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(handle, "INSERT INTO mail VALUES(?,?,?,?,?,?,0,0)", -1, &insert, nullptr);
    for (const Row& row : Rows()) {
      sqlite3_bind_text(insert, 1, row.subject.c_str(), -1, SQLITE_STATIC);
      sqlite3_bind_text(insert, 2, row.fromname.c_str(), -1, SQLITE_STATIC);
      sqlite3_bind_text(insert, 3, row.email.c_str(), -1, SQLITE_STATIC);
      sqlite3_bind_int(insert, 4, row.unread);
      sqlite3_bind_int(insert, 5, row.flag);
      sqlite3_bind_int(insert, 6, row.attachments);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    return handle;
  }();
  return db;
}

struct Shape {
  const char* name;
  std::string dasl;
  std::string sql;
};

const std::vector<Shape>& Shapes() {
  static const std::string marker = "(\"urn:schemas:httpmail:subject\" LIKE '%'OR ";
  static const std::string sender = "\"urn:schemas:httpmail:fromname\" LIKE '%Anna Berger%' OR \"" +
                                    kTag + "0x0065001f\" LIKE '%Anna Berger%'";
  static const std::vector<Shape> shapes = {
      {"Guard", " \"DAV:isfolder\" = False And \"DAV:ishidden\" = False ",
       "isfolder = 0 AND ishidden = 0"},
      {"SenderTab", marker + "(" + sender + "))",
       "fromname LIKE '%Anna Berger%' OR email LIKE '%Anna Berger%'"},
      {"FourBars",
       marker + "(" + sender + ") AND (\"urn:schemas:httpmail:subject\" LIKE '%budget%') AND (\"" +
           "urn:schemas:httpmail:read\" = 0) AND (\"urn:schemas:httpmail:hasattachment\" = 1))",
       "(fromname LIKE '%Anna Berger%' OR email LIKE '%Anna Berger%') AND subject LIKE "
       "'%budget%' AND unread = 1 AND attachments > 0"},
      {"EightWords",
       marker + "(\"urn:schemas:httpmail:subject\" LIKE '%budget%' OR "
                "\"urn:schemas:httpmail:subject\" LIKE '%invoice%' OR "
                "\"urn:schemas:httpmail:subject\" LIKE '%travel%' OR "
                "\"urn:schemas:httpmail:subject\" LIKE '%launch%' OR "
                "\"urn:schemas:httpmail:subject\" LIKE '%security%' OR "
                "\"urn:schemas:httpmail:subject\" LIKE '%holiday%' OR "
                "\"urn:schemas:httpmail:subject\" LIKE '%customer%' OR "
                "\"urn:schemas:httpmail:subject\" LIKE '%sales%'))",
       "subject LIKE '%budget%' OR subject LIKE '%invoice%' OR subject LIKE '%travel%' OR "
       "subject LIKE '%launch%' OR subject LIKE '%security%' OR subject LIKE '%holiday%' OR "
       "subject LIKE '%customer%' OR subject LIKE '%sales%'"},
  };
  return shapes;
}

void Engine(benchmark::State& state, const Shape* shape) {
  const auto& items = Items();
  const DaslFilter filter = DaslFilter::Compile(shape->dasl);
  int64_t matched = 0;
  for (auto _ : state) {
    matched = 0;
    for (const auto& item : items) matched += filter.Matches(item, 0) ? 1 : 0;
    benchmark::DoNotOptimize(matched);
  }
  state.counters["matched"] = static_cast<double>(matched);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(items.size()));
}

void Sqlite(benchmark::State& state, const Shape* shape) {
  sqlite3* db = Database();
  sqlite3_stmt* query = nullptr;
  const std::string sql = "SELECT count(*) FROM mail WHERE " + shape->sql;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &query, nullptr) != SQLITE_OK) {
    throw std::runtime_error(sqlite3_errmsg(db));
  }
  int64_t matched = 0;
  for (auto _ : state) {
    sqlite3_step(query);
    matched = sqlite3_column_int64(query, 0);
    sqlite3_reset(query);
    benchmark::DoNotOptimize(matched);
  }
  sqlite3_finalize(query);
  state.counters["matched"] = static_cast<double>(matched);
  state.SetItemsProcessed(state.iterations() * kItems);
}

const bool kRegistered = [] {
  for (const auto& shape : Shapes()) {
    benchmark::RegisterBenchmark((std::string("Engine/") + shape.name).c_str(), Engine, &shape)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("SQLite/") + shape.name).c_str(), Sqlite, &shape)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();

// The hive on SQLite: keys in one table (parent, name), values in another (key, name).
#include "platform/registry/sqlite/RegistryHive.h"

#include <pwd.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "platform/registry/KeyPath.h"

namespace platform {
namespace {

// Marks the file as a hive in its SQLite header ("QELR").
constexpr int kHiveApplicationId = 0x51454C52;
constexpr int kBusyTimeoutMilliseconds = 5000;

constexpr const char* kSchema = R"(
CREATE TABLE hive_keys (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    UNIQUE (parent, name));
CREATE TABLE hive_values (
    key INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    PRIMARY KEY (key, name)) WITHOUT ROWID;
)";

int ResultOf(int code) {
    switch (code & 0xFF) {
        case SQLITE_OK:
        case SQLITE_ROW:
        case SQLITE_DONE:
            return kRegistrySuccess;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return kRegistryCorrupt;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return kRegistryAccessDenied;
        default:
            return kRegistryIoFailed;
    }
}

class Statement {
  public:
    Statement(sqlite3* db, const char* sql) {
        result = ResultOf(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr));
    }
    ~Statement() { sqlite3_finalize(statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(std::int64_t value) {
        Record(sqlite3_bind_int64(statement, ++bound, value));
        return *this;
    }
    Statement& Bind(std::string_view text) {
        Record(sqlite3_bind_text64(statement, ++bound, text.empty() ? "" : text.data(), text.size(),
                                   SQLITE_TRANSIENT, SQLITE_UTF8));
        return *this;
    }
    Statement& Bind(std::span<const std::byte> data) {
        Record(data.empty() ? sqlite3_bind_zeroblob(statement, ++bound, 0)
                            : sqlite3_bind_blob64(statement, ++bound, data.data(), data.size(),
                                                  SQLITE_TRANSIENT));
        return *this;
    }

    // True while a row is there; Result() tells a failure from the end.
    bool Step() {
        if (result != kRegistrySuccess) {
            return false;
        }
        const int code = sqlite3_step(statement);
        Record(code);
        return code == SQLITE_ROW;
    }
    int Run() {
        while (Step()) {
        }
        return result;
    }

    std::int64_t Integer(int column) const { return sqlite3_column_int64(statement, column); }
    std::string Text(int column) const {
        const auto* text = sqlite3_column_text(statement, column);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
                    : std::string();
    }
    std::span<const std::byte> Blob(int column) const {
        const void* data = sqlite3_column_blob(statement, column);
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
        return data ? std::span(static_cast<const std::byte*>(data), size)
                    : std::span<const std::byte>();
    }
    int Result() const { return result; }

  private:
    void Record(int code) {
        if (result == kRegistrySuccess) {
            result = ResultOf(code);
        }
    }

    sqlite3_stmt* statement = nullptr;
    int bound = 0;
    int result = kRegistrySuccess;
};

int Execute(sqlite3* db, const std::string& sql) {
    return ResultOf(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr));
}

// A single number from a pragma or query, or the failure.
int QueryNumber(sqlite3* db, const char* sql, std::int64_t& number) {
    Statement query(db, sql);
    if (!query.Step()) {
        return query.Result() == kRegistrySuccess ? kRegistryCorrupt : query.Result();
    }
    number = query.Integer(0);
    return kRegistrySuccess;
}

// A write transaction that rolls back unless committed.
class Transaction {
  public:
    explicit Transaction(sqlite3* db) : db(db), result(Execute(db, "BEGIN IMMEDIATE")) {}
    ~Transaction() {
        if (result == kRegistrySuccess && !committed) {
            Execute(db, "ROLLBACK");
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    int Result() const { return result; }
    // Commits when `outcome` is success; returns the outcome or the commit's failure.
    int Finish(int outcome) {
        if (outcome != kRegistrySuccess) {
            return outcome;
        }
        const int commit = Execute(db, "COMMIT");
        committed = commit == kRegistrySuccess;
        return commit;
    }

  private:
    sqlite3* db;
    int result;
    bool committed = false;
};

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

}  // namespace

std::filesystem::path RegistryHive::CurrentUserFile() {
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        config = xdg;
    } else if (std::filesystem::path home = HomeFolder(); !home.empty()) {
        config = home / ".config";
    } else {
        return {};
    }
    return config / "qelapps" / "current-user.sqlite";
}

int RegistryHive::Open(bool create, std::shared_ptr<RegistryHive>& hive) {
    hive.reset();
    const std::filesystem::path file = CurrentUserFile();
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error)) {
        if (!create) {
            return kRegistryNotFound;
        }
        if (file.empty()) {
            return kRegistryIoFailed;
        }
        std::filesystem::create_directories(file.parent_path(), error);
    }
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int opened = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    std::shared_ptr<RegistryHive> candidate(new RegistryHive(db, file));
    if (opened != SQLITE_OK) {
        return ResultOf(opened);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMilliseconds);
    const int result = candidate->Check(create);
    if (result == kRegistrySuccess) {
        hive = std::move(candidate);
    }
    return result;
}

RegistryHive::~RegistryHive() {
    sqlite3_close(db);
}

bool RegistryHive::FileEmpty() const {
    std::error_code error;
    return std::filesystem::file_size(file, error) == 0 && !error;
}

// An empty file is a hive not yet made (another process may be making it right now); any other
// file must carry the hive's mark, be exactly as long as its pages, hold the hive's tables and
// pass SQLite's own check. SQLite alone would take a file shorter than its header for an empty
// database, and a cut-off last page for a whole one, and write over them.
int RegistryHive::Check(bool create) {
    if (FileEmpty()) {
        return create ? Initialise() : kRegistryNotFound;
    }
    // A read transaction, so that no other process changes the file while it is checked.
    if (const int begun = Execute(db, "BEGIN"); begun != kRegistrySuccess) {
        return begun;
    }
    const int result = CheckContents();
    Execute(db, "ROLLBACK");
    return result;
}

int RegistryHive::CheckContents() {
    std::int64_t mark = 0;
    std::int64_t pages = 0;
    std::int64_t pageSize = 0;
    int result = QueryNumber(db, "PRAGMA application_id", mark);
    if (result == kRegistrySuccess) {
        result = QueryNumber(db, "PRAGMA page_count", pages);
    }
    if (result == kRegistrySuccess) {
        result = QueryNumber(db, "PRAGMA page_size", pageSize);
    }
    if (result != kRegistrySuccess) {
        return result;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (mark != kHiveApplicationId || error ||
        size != static_cast<std::uintmax_t>(pages) * static_cast<std::uintmax_t>(pageSize)) {
        return kRegistryCorrupt;
    }
    {
        Statement check(db, "PRAGMA quick_check");
        if (!check.Step() || check.Text(0) != "ok") {
            return check.Result() != kRegistrySuccess ? check.Result() : kRegistryCorrupt;
        }
    }
    std::int64_t tables = 0;
    result = QueryNumber(db,
                         "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND "
                         "name IN ('hive_keys', 'hive_values')",
                         tables);
    return result != kRegistrySuccess ? result : tables == 2 ? kRegistrySuccess : kRegistryCorrupt;
}

int RegistryHive::Initialise() {
    Transaction transaction(db);
    if (transaction.Result() != kRegistrySuccess) {
        return transaction.Result();
    }
    // Under the write lock, a file that still holds nothing is ours to make into a hive.
    if (!FileEmpty()) {
        // Another process made it first; check what it made once this transaction is gone.
        transaction.Finish(kRegistrySuccess);
        return Check(false);
    }
    return transaction.Finish(Execute(db, std::string(kSchema) + "PRAGMA application_id = " +
                                              std::to_string(kHiveApplicationId)));
}

int RegistryHive::KeyExists(std::int64_t key) {
    if (key == 0) {
        return kRegistrySuccess;
    }
    Statement find(db, "SELECT 1 FROM hive_keys WHERE id = ?");
    find.Bind(key);
    if (find.Step()) {
        return kRegistrySuccess;
    }
    return find.Result() == kRegistrySuccess ? kRegistryKeyDeleted : find.Result();
}

int RegistryHive::Resolve(std::int64_t parent, std::string_view path, std::int64_t& key) {
    if (!IsKeyPath(path)) {
        return kRegistryBadPath;
    }
    if (const int exists = KeyExists(parent); exists != kRegistrySuccess) {
        return exists;
    }
    for (std::string_view name : SplitKeyPath(path)) {
        Statement find(db, "SELECT id FROM hive_keys WHERE parent = ? AND name = ?");
        find.Bind(parent).Bind(name);
        if (!find.Step()) {
            return find.Result() == kRegistrySuccess ? kRegistryNotFound : find.Result();
        }
        parent = find.Integer(0);
    }
    key = parent;
    return kRegistrySuccess;
}

int RegistryHive::FindKey(std::int64_t parent, std::string_view path, std::int64_t& key) {
    return Resolve(parent, path, key);
}

int RegistryHive::CreateKey(std::int64_t parent, std::string_view path, std::int64_t& key,
                            bool& created) {
    if (!IsKeyPath(path)) {
        return kRegistryBadPath;
    }
    Transaction transaction(db);
    if (transaction.Result() != kRegistrySuccess) {
        return transaction.Result();
    }
    if (const int exists = KeyExists(parent); exists != kRegistrySuccess) {
        return exists;
    }
    created = false;
    for (std::string_view name : SplitKeyPath(path)) {
        Statement find(db, "SELECT id FROM hive_keys WHERE parent = ? AND name = ?");
        find.Bind(parent).Bind(name);
        if (find.Step()) {
            parent = find.Integer(0);
            created = false;
            continue;
        }
        if (find.Result() != kRegistrySuccess) {
            return find.Result();
        }
        Statement insert(db, "INSERT INTO hive_keys (parent, name) VALUES (?, ?)");
        if (const int inserted = insert.Bind(parent).Bind(name).Run();
            inserted != kRegistrySuccess) {
            return inserted;
        }
        parent = sqlite3_last_insert_rowid(db);
        created = true;
    }
    const int result = transaction.Finish(kRegistrySuccess);
    if (result == kRegistrySuccess) {
        key = parent;
    }
    return result;
}

int RegistryHive::DeleteKey(std::int64_t parent, std::string_view path) {
    Transaction transaction(db);
    if (transaction.Result() != kRegistrySuccess) {
        return transaction.Result();
    }
    std::int64_t key = 0;
    if (const int found = Resolve(parent, path, key); found != kRegistrySuccess) {
        return found;
    }
    Statement children(db, "SELECT 1 FROM hive_keys WHERE parent = ? LIMIT 1");
    children.Bind(key);
    if (children.Step()) {
        return kRegistryAccessDenied;
    }
    if (children.Result() != kRegistrySuccess) {
        return children.Result();
    }
    Statement values(db, "DELETE FROM hive_values WHERE key = ?");
    Statement self(db, "DELETE FROM hive_keys WHERE id = ?");
    int result = values.Bind(key).Run();
    if (result == kRegistrySuccess) {
        result = self.Bind(key).Run();
    }
    return transaction.Finish(result);
}

int RegistryHive::EnumKey(std::int64_t key, std::uint32_t index, std::string& name) {
    if (const int exists = KeyExists(key); exists != kRegistrySuccess) {
        return exists;
    }
    Statement find(db,
                   "SELECT name FROM hive_keys WHERE parent = ? ORDER BY name, id LIMIT 1 "
                   "OFFSET ?");
    find.Bind(key).Bind(static_cast<std::int64_t>(index));
    if (!find.Step()) {
        return find.Result() == kRegistrySuccess ? kRegistryNoMoreItems : find.Result();
    }
    name = find.Text(0);
    return kRegistrySuccess;
}

int RegistryHive::QueryValue(std::int64_t key, std::string_view name, RegistryValueInfo& info,
                             std::span<std::byte> data) {
    if (const int exists = KeyExists(key); exists != kRegistrySuccess) {
        return exists;
    }
    Statement find(db, "SELECT type, data FROM hive_values WHERE key = ? AND name = ?");
    find.Bind(key).Bind(name);
    if (!find.Step()) {
        return find.Result() == kRegistrySuccess ? kRegistryNotFound : find.Result();
    }
    const std::span<const std::byte> stored = find.Blob(1);
    info.type = static_cast<RegistryType>(find.Integer(0));
    info.size = stored.size();
    if (data.empty()) {
        return kRegistrySuccess;
    }
    if (stored.size() > data.size()) {
        return kRegistryMoreData;
    }
    std::copy(stored.begin(), stored.end(), data.begin());
    return kRegistrySuccess;
}

int RegistryHive::SetValue(std::int64_t key, std::string_view name, RegistryType type,
                           std::span<const std::byte> data) {
    if (type != RegistryType::String && type != RegistryType::Binary &&
        type != RegistryType::DoubleWord) {
        return kRegistryInvalidParameter;
    }
    Transaction transaction(db);
    if (transaction.Result() != kRegistrySuccess) {
        return transaction.Result();
    }
    if (const int exists = KeyExists(key); exists != kRegistrySuccess) {
        return exists;
    }
    Statement upsert(db,
                     "INSERT INTO hive_values (key, name, type, data) VALUES (?, ?, ?, ?) "
                     "ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, "
                     "data = excluded.data");
    upsert.Bind(key).Bind(name).Bind(static_cast<std::int64_t>(type)).Bind(data);
    return transaction.Finish(upsert.Run());
}

int RegistryHive::DeleteValue(std::int64_t key, std::string_view name) {
    Transaction transaction(db);
    if (transaction.Result() != kRegistrySuccess) {
        return transaction.Result();
    }
    if (const int exists = KeyExists(key); exists != kRegistrySuccess) {
        return exists;
    }
    Statement remove(db, "DELETE FROM hive_values WHERE key = ? AND name = ?");
    int result = remove.Bind(key).Bind(name).Run();
    if (result == kRegistrySuccess && sqlite3_changes(db) == 0) {
        result = kRegistryNotFound;
    }
    return transaction.Finish(result);
}

}  // namespace platform

#include "service/sqlite_db.h"

#include <fmt/format.h>
#include <sqlite3.h>

#include "support/error.h"

namespace belvane::service {
namespace {

[[noreturn]] void fail(sqlite3* db, std::string_view what)
{
    throw Error(fmt::format("{}: {}", what, db ? sqlite3_errmsg(db) : "нет соединения"));
}

} // namespace

Database::Database(const std::filesystem::path& file)
{
    const int rc = sqlite3_open_v2(file.c_str(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(fmt::format("Ошибка открытия базы данных \"{}\": {}", file.string(), message));
    }
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_extended_result_codes(db_, 1);
}

Database::~Database()
{
    sqlite3_close(db_);
}

void Database::Execute(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "?";
        sqlite3_free(message);
        throw Error(fmt::format("Ошибка базы данных: {}", text));
    }
}

int64_t Database::LastInsertId() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Database::Changes() const
{
    return sqlite3_changes(db_);
}

Statement::Statement(Database& db, const char* sql) : db_(db)
{
    if (sqlite3_prepare_v2(db.Handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK)
        fail(db.Handle(), "Ошибка базы данных");
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

Statement& Statement::Bind(int index, std::string_view text)
{
    if (sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK)
        fail(db_.Handle(), "Ошибка базы данных");
    return *this;
}

Statement& Statement::Bind(int index, int64_t value)
{
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        fail(db_.Handle(), "Ошибка базы данных");
    return *this;
}

Statement& Statement::BindNull(int index)
{
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK)
        fail(db_.Handle(), "Ошибка базы данных");
    return *this;
}

bool Statement::Step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(db_.Handle(), "Ошибка базы данных");
}

void Statement::Run()
{
    while (Step()) {}
}

int64_t Statement::Integer(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Text(int column) const
{
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(size)) : std::string();
}

double Statement::Decimal(int column) const
{
    return sqlite3_column_double(stmt_, column);
}

bool Statement::IsNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

Transaction::Transaction(Database& db) : db_(db)
{
    db_.Execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            db_.Execute("ROLLBACK");
        } catch (...) {
            // Nothing more can be done; the connection rolls back on close.
        }
    }
}

void Transaction::Commit()
{
    db_.Execute("COMMIT");
    done_ = true;
}

} // namespace belvane::service

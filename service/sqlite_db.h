#pragma once

// A thin owner of an SQLite connection and its statements. Every value goes
// in through a bound parameter; SQL text is only ever a constant.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace belvane::service {

class Database {
public:
    // Opens (creating) the file. Throws Error with SQLite's text.
    explicit Database(const std::filesystem::path& file);
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Constant SQL of one or more statements without parameters (the schema).
    void Execute(const char* sql);
    int64_t LastInsertId() const;
    int Changes() const;
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, const char* sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, int64_t value);
    Statement& BindNull(int index);
    // True while there is a row; false when done. Throws Error on a failure.
    bool Step();
    void Run(); // steps to the end

    int64_t Integer(int column) const;
    std::string Text(int column) const;
    double Decimal(int column) const;
    bool IsNull(int column) const;

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT, rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void Commit();

private:
    Database& db_;
    bool done_ = false;
};

} // namespace belvane::service

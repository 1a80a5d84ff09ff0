#include "platform/siblings/ScratchDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <cwctype>

#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"

namespace vox::siblings {
namespace {

constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS FILETIME (DWGNAME TEXT PRIMARY KEY, SH TEXT, SHDWGNAM TEXT, IEC_I TEXT, IEC_L TEXT)";

std::string utf8(const std::wstring& text) { return os::encodeFileName(text); }

std::wstring wide(const unsigned char* text) {
  return text == nullptr ? std::wstring() : os::decodeFileName(reinterpret_cast<const char*>(text));
}

std::wstring_view trimmed(std::wstring_view s) {
  const std::size_t start = s.find_first_not_of(L" \t");
  if (start == std::wstring_view::npos) return {};
  return s.substr(start, s.find_last_not_of(L" \t") - start + 1);
}

// The column's text; an integer or real column gives its number as text.
std::wstring columnText(sqlite3_stmt* statement, int column) { return wide(sqlite3_column_text(statement, column)); }

}  // namespace

std::wstring scratchDrawingName(const std::wstring& drawingPath) {
  std::wstring name = drawingPath;
  for (wchar_t& c : name)
    if (c == L'\\') c = L'/';
  return os::toUpper(name);
}

bool isScratchName(const std::wstring& name) {
  if (name.empty() || !(std::iswalpha(name[0]) || name[0] == L'_') || name[0] > 0x7f) return false;
  for (const wchar_t c : name)
    if (c > 0x7f || !(std::iswalnum(c) || c == L'_')) return false;
  return true;
}

std::optional<ScratchCondition> parseScratchCondition(const std::wstring& text) {
  const std::wstring_view condition = text;
  const std::size_t equals = condition.find(L'=');
  if (equals == std::wstring_view::npos) return std::nullopt;
  const std::wstring field(trimmed(condition.substr(0, equals)));
  const std::size_t open = condition.find(L'"', equals);
  const std::size_t close = condition.rfind(L'"');
  if (!isScratchName(field) || open == std::wstring_view::npos || close <= open) return std::nullopt;
  if (!trimmed(condition.substr(equals + 1, open - equals - 1)).empty()) return std::nullopt;
  if (!trimmed(condition.substr(close + 1)).empty()) return std::nullopt;
  return ScratchCondition{field, std::wstring(condition.substr(open + 1, close - open - 1))};
}

std::unique_ptr<ScratchDatabase> ScratchDatabase::open(const std::string& nativePath, bool create, std::wstring& error) {
  sqlite3* db = nullptr;
  const int flags = create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READWRITE;
  const int status = sqlite3_open_v2(nativePath.c_str(), &db, flags, nullptr);
  std::unique_ptr<ScratchDatabase> database(db != nullptr ? new ScratchDatabase(db) : nullptr);
  if (status != SQLITE_OK) {
    error = L"The scratch database " + os::decodeFileName(nativePath) + L" cannot be opened: " +
            (database ? database->lastError() : std::wstring(L"out of memory"));
    return nullptr;
  }
  sqlite3_busy_timeout(db, 2000);
  // Reading the schema tells a file that is not a database at once, not at the first select.
  const char* check = create ? kCreateTable : "SELECT count(*) FROM sqlite_master";
  if (sqlite3_exec(db, check, nullptr, nullptr, nullptr) != SQLITE_OK) {
    error = L"The scratch database " + os::decodeFileName(nativePath) + L" cannot be read: " + database->lastError();
    return nullptr;
  }
  return database;
}

ScratchDatabase::~ScratchDatabase() {
  for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
  sqlite3_close(db_);
}

std::wstring ScratchDatabase::lastError() const { return wide(reinterpret_cast<const unsigned char*>(sqlite3_errmsg(db_))); }

sqlite3_stmt* ScratchDatabase::statement(const std::string& sql, std::wstring& error) {
  const auto found = statements_.find(sql);
  if (found != statements_.end()) {
    sqlite3_reset(found->second);
    sqlite3_clear_bindings(found->second);
    return found->second;
  }
  sqlite3_stmt* prepared = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &prepared, nullptr) != SQLITE_OK) {
    error = lastError();
    return nullptr;
  }
  statements_.emplace(sql, prepared);
  return prepared;
}

bool ScratchDatabase::select(const std::wstring& field, const std::wstring& table, const std::wstring& condition,
                             std::vector<std::wstring>& rows, std::wstring& error) {
  rows.clear();
  const std::optional<ScratchCondition> where = parseScratchCondition(condition);
  if (!isScratchName(field) || !isScratchName(table) || !where) {
    error = L"The selection of " + field + L" from " + table + L" where " + condition + L" is not understood.";
    return false;
  }
  const bool byDrawing = os::iequals(where->field, L"DWGNAME");
  const bool belowFolder = byDrawing && !folderKey_.empty() && where->value.size() > folderKey_.size() &&
                           os::istartsWith(where->value, folderKey_);
  if (byDrawing) {
    const DrawingColumn* column = drawingColumn(field, table, error);
    if (column == nullptr) return false;
    const auto byName = [](const DrawingValue& row, const std::wstring& name) { return row.first < name; };
    const auto rowsOf = [&](const std::wstring& name) {
      for (auto row = std::lower_bound(column->begin(), column->end(), name, byName);
           row != column->end() && row->first == name; ++row)
        rows.push_back(row->second);
    };
    rowsOf(where->value);
    if (rows.empty() && belowFolder) rowsOf(where->value.substr(folderKey_.size()));
    return true;
  }
  // Names are checked above, so they can be quoted into the text; the value is always bound.
  const std::string sql =
      "SELECT \"" + utf8(field) + "\" FROM \"" + utf8(table) + "\" WHERE \"" + utf8(where->field) + "\" = ?1";
  return run(sql, where->value, rows, error);
}

const ScratchDatabase::DrawingColumn* ScratchDatabase::drawingColumn(const std::wstring& field, const std::wstring& table,
                                                                      std::wstring& error) {
  const std::wstring key = os::toUpper(table) + L"." + os::toUpper(field);
  const auto cached = drawingColumns_.find(key);
  if (cached != drawingColumns_.end()) return &cached->second;
  sqlite3_stmt* query = statement(
      "SELECT \"DWGNAME\", \"" + utf8(field) + "\" FROM \"" + utf8(table) + "\" ORDER BY \"DWGNAME\"", error);
  if (query == nullptr) return nullptr;
  DrawingColumn column;
  int status;
  while ((status = sqlite3_step(query)) == SQLITE_ROW) column.emplace_back(columnText(query, 0), columnText(query, 1));
  sqlite3_reset(query);
  if (status != SQLITE_DONE) {
    error = lastError();
    return nullptr;
  }
  // The database orders by bytes; names that are not valid UTF-8 may then be out of order.
  const auto byName = [](const DrawingValue& a, const DrawingValue& b) { return a.first < b.first; };
  if (!std::is_sorted(column.begin(), column.end(), byName)) std::stable_sort(column.begin(), column.end(), byName);
  return &drawingColumns_.emplace(key, std::move(column)).first->second;
}

void ScratchDatabase::setFolder(const std::wstring& folder) {
  folderKey_ = folder.empty() ? std::wstring() : scratchDrawingName(folder) + L"/";
}

bool ScratchDatabase::run(const std::string& sql, const std::wstring& value, std::vector<std::wstring>& rows,
                          std::wstring& error) {
  rows.clear();
  sqlite3_stmt* query = statement(sql, error);
  if (query == nullptr) return false;
  const std::string bound = utf8(value);
  sqlite3_bind_text(query, 1, bound.c_str(), static_cast<int>(bound.size()), SQLITE_TRANSIENT);
  int status;
  while ((status = sqlite3_step(query)) == SQLITE_ROW) rows.push_back(columnText(query, 0));
  sqlite3_reset(query);
  if (status != SQLITE_DONE) {
    error = lastError();
    rows.clear();
    return false;
  }
  return true;
}

bool ScratchDatabase::put(const std::vector<ScratchRow>& rows, std::wstring& error) {
  drawingColumns_.clear();
  if (sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) {
    error = lastError();
    return false;
  }
  sqlite3_stmt* insert =
      statement("INSERT OR REPLACE INTO FILETIME (DWGNAME, SH, SHDWGNAM, IEC_I, IEC_L) VALUES (?1, ?2, ?3, ?4, ?5)", error);
  bool ok = insert != nullptr;
  for (std::size_t i = 0; ok && i < rows.size(); ++i) {
    const ScratchRow& row = rows[i];
    const std::string values[] = {utf8(scratchDrawingName(row.drawingPath)), utf8(row.sheet), utf8(row.drawingNumber),
                                  utf8(row.installation), utf8(row.location)};
    sqlite3_reset(insert);
    for (int v = 0; v < 5; ++v)
      sqlite3_bind_text(insert, v + 1, values[v].c_str(), static_cast<int>(values[v].size()), SQLITE_TRANSIENT);
    ok = sqlite3_step(insert) == SQLITE_DONE;
    if (!ok) error = lastError();
  }
  if (insert != nullptr) sqlite3_reset(insert);
  if (!ok || sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    if (ok) error = lastError();
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
  }
  return true;
}

bool ScratchDatabase::all(std::vector<ScratchRow>& rows, std::wstring& error) {
  rows.clear();
  sqlite3_stmt* query = statement("SELECT DWGNAME, SH, SHDWGNAM, IEC_I, IEC_L FROM FILETIME ORDER BY DWGNAME", error);
  if (query == nullptr) return false;
  int status;
  while ((status = sqlite3_step(query)) == SQLITE_ROW)
    rows.push_back({columnText(query, 0), columnText(query, 1), columnText(query, 2), columnText(query, 3),
                    columnText(query, 4)});
  sqlite3_reset(query);
  if (status != SQLITE_DONE) error = lastError();
  return status == SQLITE_DONE;
}

std::unique_ptr<VoxOleDbConnection> ScratchDatabaseService::open(const std::wstring& path, std::wstring& error) {
  log_.record(L"OleDbOpen", {path});
  const std::optional<std::string> native = os::toNative(path);
  if (!native) {
    error = L"The scratch database " + path + L" is on no known drive.";
    return nullptr;
  }
  std::unique_ptr<ScratchDatabase> db = ScratchDatabase::open(*native, false, error);
  if (db) db->setFolder(os::folderOf(path));
  return db;
}

}  // namespace vox::siblings

#pragma once
// The scratch database of the reference host: a SQLite file with the table FILETIME, one row per
// drawing (DWGNAME: the drawing's path with "/" for "\", upper-cased; SH: sheet; SHDWGNAM:
// drawing number; IEC_I: installation code; IEC_L: location code). The recordset sibling reads
// it with prepared statements, one per kind of selection, the condition's value always bound,
// never written into SQL text; tools fill it. A DWGNAME may also be stored relative to the
// database's folder ("SHEETS/A01.DWG"), so that a database shipped beside its drawings still
// matches wherever the folder is copied: a drawing that has no row under its full name is looked
// up by its name below that folder.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/VoxPmOleDb.h"
#include "platform/siblings/CallLog.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vox::siblings {

// The key of a drawing in FILETIME, as the module writes it into its conditions.
std::wstring scratchDrawingName(const std::wstring& drawingPath);

// A condition the recordset understands: FIELD = "value" (the value runs to the last double
// quote, so it may hold quotes of its own).
struct ScratchCondition {
  std::wstring field;
  std::wstring value;
};
std::optional<ScratchCondition> parseScratchCondition(const std::wstring& condition);
// A table or field name: a letter or "_", then letters, digits and "_".
bool isScratchName(const std::wstring& name);

// The values of one drawing's row.
struct ScratchRow {
  std::wstring drawingPath;  // stored as scratchDrawingName(drawingPath)
  std::wstring sheet, drawingNumber, installation, location;
};

// One open database file.
class ScratchDatabase : public VoxOleDbConnection {
 public:
  // Opens `nativePath`; `create` makes the file and its table when missing. Null with `error`.
  static std::unique_ptr<ScratchDatabase> open(const std::string& nativePath, bool create, std::wstring& error);
  ~ScratchDatabase() override;
  ScratchDatabase(const ScratchDatabase&) = delete;
  ScratchDatabase& operator=(const ScratchDatabase&) = delete;

  bool select(const std::wstring& field, const std::wstring& table, const std::wstring& condition,
              std::vector<std::wstring>& rows, std::wstring& error) override;
  // The database's folder (a module path), for DWGNAME values stored relative to it.
  void setFolder(const std::wstring& folder);
  // Writes the rows (replacing those of the same drawings) in one transaction.
  bool put(const std::vector<ScratchRow>& rows, std::wstring& error);
  // Every row, ordered by drawing name.
  bool all(std::vector<ScratchRow>& rows, std::wstring& error);

 private:
  // The values of one field by drawing name, as stored, ordered by name (a name may have
  // several rows).
  using DrawingValue = std::pair<std::wstring, std::wstring>;
  using DrawingColumn = std::vector<DrawingValue>;

  explicit ScratchDatabase(sqlite3* db) : db_(db) {}
  // Selections by drawing name are answered from one read of the field's column, made at the
  // first of them and kept while the database is open: a tree asks one per drawing, tens of
  // thousands in a row. Null with `error` when the column cannot be read.
  const DrawingColumn* drawingColumn(const std::wstring& field, const std::wstring& table, std::wstring& error);
  sqlite3_stmt* statement(const std::string& sql, std::wstring& error);
  bool run(const std::string& sql, const std::wstring& value, std::vector<std::wstring>& rows, std::wstring& error);
  std::wstring lastError() const;

  sqlite3* db_;
  std::map<std::string, sqlite3_stmt*> statements_;
  std::map<std::wstring, DrawingColumn> drawingColumns_;
  std::wstring folderKey_;  // scratchDrawingName of the folder and "/"; empty: none
};

// The recordset sibling of the reference host over ScratchDatabase files. Every open is
// recorded in the call log (selections are not: a tree asks one per drawing).
class ScratchDatabaseService : public VoxPmOleDb {
 public:
  explicit ScratchDatabaseService(CallLog& log) : log_(log) {}
  std::unique_ptr<VoxOleDbConnection> open(const std::wstring& path, std::wstring& error) override;

 private:
  CallLog& log_;
};

}  // namespace vox::siblings

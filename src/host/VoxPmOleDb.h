#pragma once
// File recordsets over a project's scratch database, as the add-on's database sibling offers
// them: open a database file, select one field of a table under a condition of the form
// FIELD = "value", read the rows, close. A failure leaves the sibling's error text. With no
// sibling installed every open fails.

#include <memory>
#include <string>
#include <vector>

// One open database, as the sibling provides it.
class VoxOleDbConnection {
 public:
  virtual ~VoxOleDbConnection() = default;
  // The values of `field` in the rows of `table` that meet `condition`; false with `error` set
  // when the selection cannot be made.
  virtual bool select(const std::wstring& field, const std::wstring& table, const std::wstring& condition,
                      std::vector<std::wstring>& rows, std::wstring& error) = 0;
};

// The sibling service: opens database files.
class VoxPmOleDb {
 public:
  virtual ~VoxPmOleDb() = default;
  // The open database `path` (a module path), or null with `error` set.
  virtual std::unique_ptr<VoxOleDbConnection> open(const std::wstring& path, std::wstring& error) = 0;
};

class VoxOleDbFileRecordset {
 public:
  // Opens the database `path` through the installed sibling; false with the error text set.
  bool open(const std::wstring& path);
  void close() { connection_.reset(); }
  bool isOpen() const { return connection_ != nullptr; }
  // Selects `field` from `table` under `condition`; false with the error text set (also when
  // the recordset is not open).
  bool select(const std::wstring& field, const std::wstring& table, const std::wstring& condition,
              std::vector<std::wstring>& rows);
  // The last failure's text.
  const std::wstring& errorText() const { return error_; }

 private:
  std::unique_ptr<VoxOleDbConnection> connection_;
  std::wstring error_;
};

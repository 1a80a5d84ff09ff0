#include "host/VoxPmOleDb.h"

#include "host/VoxSiblingServices.h"

bool VoxOleDbFileRecordset::open(const std::wstring& path) {
  close();
  VoxPmOleDb* service = voxSiblingServices().oleDb;
  if (service == nullptr) {
    error_ = L"No scratch database service is available.";
    return false;
  }
  connection_ = service->open(path, error_);
  return connection_ != nullptr;
}

bool VoxOleDbFileRecordset::select(const std::wstring& field, const std::wstring& table,
                                   const std::wstring& condition, std::vector<std::wstring>& rows) {
  rows.clear();
  if (connection_ == nullptr) {
    error_ = L"The scratch database is not open.";
    return false;
  }
  return connection_->select(field, table, condition, rows, error_);
}

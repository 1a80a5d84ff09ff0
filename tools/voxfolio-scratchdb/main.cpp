// voxfolio-scratchdb: makes and reads a project's scratch database (SQLite, table FILETIME).
//   voxfolio-scratchdb fill [--relative] PROJECT.wdp [DB]
//                                             one row per drawing from its title values; DB
//                                             defaults to the project's name with ".mdb";
//                                             --relative keeps the drawings below the
//                                             database's folder relative to it (a database
//                                             that travels with its folder)
//   voxfolio-scratchdb set DB DRAWING SH SHDWGNAM IEC_I IEC_L
//   voxfolio-scratchdb dump DB                 every row, tab-separated

#include <cstdio>
#include <string>

#include "ScratchFill.h"
#include "platform/os/Files.h"
#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"

namespace {

using vox::siblings::ScratchDatabase;
using vox::siblings::ScratchRow;

void print(FILE* to, const std::wstring& text) {
  const std::string bytes = vox::os::encodeFileName(text);
  std::fwrite(bytes.data(), 1, bytes.size(), to);
}

int usage() {
  std::fputs("usage: voxfolio-scratchdb fill [--relative] PROJECT.wdp [DB]\n"
             "       voxfolio-scratchdb set DB DRAWING SH SHDWGNAM IEC_I IEC_L\n"
             "       voxfolio-scratchdb dump DB\n",
             stderr);
  return 2;
}

std::wstring modulePath(const char* native) { return vox::os::fullPath(vox::os::fromNative(native)); }

int fail(const std::wstring& message) {
  print(stderr, L"voxfolio-scratchdb: " + message + L"\n");
  return 1;
}

int write(const std::string& database, const std::vector<ScratchRow>& rows) {
  std::wstring error;
  const std::unique_ptr<ScratchDatabase> db = ScratchDatabase::open(database, true, error);
  if (!db || !db->put(rows, error)) return fail(error);
  return 0;
}

int fill(const char* project, const char* database, bool relative) {
  const std::wstring projectPath = modulePath(project);
  std::vector<ScratchRow> rows;
  std::vector<std::wstring> problems;
  const bool read = vox::tools::scratchRowsOfProject(projectPath, rows, problems);
  for (const std::wstring& problem : problems) print(stderr, L"voxfolio-scratchdb: " + problem + L"\n");
  if (!read) return 1;
  std::string target = database != nullptr ? database : "";
  if (target.empty()) {
    const std::optional<std::string> native = vox::os::toNative(vox::os::replaceExtension(projectPath, L".mdb"));
    if (!native) return fail(L"no folder for the database of " + projectPath);
    target = *native;
  }
  if (relative) vox::tools::makeRelativeTo(rows, vox::os::folderOf(modulePath(target.c_str())));
  const int status = write(target, rows);
  if (status == 0) print(stdout, std::to_wstring(rows.size()) + L" drawings in " + vox::os::decodeFileName(target) + L"\n");
  return status == 0 && problems.empty() ? 0 : 1;
}

int dump(const char* database) {
  std::wstring error;
  const std::unique_ptr<ScratchDatabase> db = ScratchDatabase::open(database, false, error);
  std::vector<ScratchRow> rows;
  if (!db || !db->all(rows, error)) return fail(error);
  for (const ScratchRow& row : rows)
    print(stdout, row.drawingPath + L"\t" + row.sheet + L"\t" + row.drawingNumber + L"\t" + row.installation + L"\t" +
                      row.location + L"\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command == "fill") {
    const bool relative = std::string(argv[2]) == "--relative";
    const int first = relative ? 3 : 2;
    if (argc == first + 1 || argc == first + 2) return fill(argv[first], argc == first + 2 ? argv[first + 1] : nullptr, relative);
  }
  if (command == "dump" && argc == 3) return dump(argv[2]);
  if (command == "set" && argc == 8) {
    const auto text = [](const char* arg) { return vox::os::decodeFileName(arg); };
    return write(argv[2], {ScratchRow{modulePath(argv[3]), text(argv[4]), text(argv[5]), text(argv[6]), text(argv[7])}});
  }
  return usage();
}

// The project tree over one open project of 20 000 drawings in the reference host, with display
// order [103, 104, 108] and a scratch database of 20 000 rows: building the drawing nodes,
// Refresh (also with the studio's item model listening, when the studio is built), a Shift
// range over every drawing node, keystrokes in the filter box and the lock marks of the shown
// nodes. Baseline: reading the same
// project file.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "BenchProjects.h"
#include "core/ModuleObjects.h"
#include "core/PendingRequestQueue.h"
#include "core/VoxPrmProjectManager.h"
#include "palette/CProjectTree.h"
#include "platform/assembly/ReferenceHost.h"
#include "platform/os/NativePath.h"
#include "platform/siblings/ScratchDatabase.h"
#include "projectfile/VoxPrmWDPFiler.h"

#ifdef VOX_BENCH_QT
#include "ProjectTreeItemModel.h"
#endif

namespace {

constexpr int kDrawings = 20000;

// The host, the manager with the project open and active, the scratch database beside it.
class TreeBench {
 public:
  TreeBench() : file_(vox::bench::projectFile(kDrawings, "tree20000.wdp")), path_(vox::bench::modulePath(file_)) {
    vox::platform::ReferenceHostOptions options;
    options.settingsFolder = vox::bench::nativePath("tree-config");
    options.resourcesFolder = VOX_SOURCE_DIR;
    host_ = std::make_unique<vox::platform::ReferenceHost>(options);
    manager_ = std::make_unique<VoxPrmProjectManager>();
    vox::core::installModuleObjects({manager_.get(), &navigation_});
    writeScratchDatabase();
    manager_->setDwgDisplaySetting({103, 104, 108}, L"-", true);
    manager_->openProject(path_.c_str(), true, true);
    tree_ = std::make_unique<CProjectTree>();
    tree_->setExpanded(tree_->roots().front(), true);
  }
  ~TreeBench() {
    tree_.reset();
    vox::core::installModuleObjects({});
  }
  CProjectTree& tree() { return *tree_; }
  const std::wstring& path() const { return path_; }
  HcNodeId project() const { return tree_->roots().front(); }

 private:
  void writeScratchDatabase() {
    std::wstring error;
    const auto db = vox::siblings::ScratchDatabase::open(vox::bench::nativePath("tree20000.mdb"), true, error);
    std::vector<vox::siblings::ScratchRow> rows;
    const VoxPrmProjectData data = vox::bench::generateProject(kDrawings);
    for (const VoxPrmFileDetails& entry : data.getProjFileDetails())
      rows.push_back({entry.fileName, L"12", L"D-12", L"=PLANT", L"+CAB3"});
    if (!db || !db->put(rows, error)) std::fprintf(stderr, "scratch database not written\n");
  }

  std::string file_;
  std::wstring path_;
  std::unique_ptr<vox::platform::ReferenceHost> host_;
  std::unique_ptr<VoxPrmProjectManager> manager_;
  vox::core::NavigationState navigation_;
  std::unique_ptr<CProjectTree> tree_;
};

TreeBench& bench() {
  static TreeBench b;
  return b;
}

void Tree_Baseline(benchmark::State& state) {
  const std::wstring& path = bench().path();
  for (auto _ : state) {
    VoxPrmWDPFiler filer(path, true);
    VoxPrmProjectData data;
    filer.readProject(data);
    benchmark::DoNotOptimize(data.getProjFileDetails().data());
  }
}

void Tree_BuildNodes(benchmark::State& state) {
  CProjectTree& tree = bench().tree();
  const std::wstring id = tree.GetItemData(bench().project())->path;
  for (auto _ : state) {
    tree.DeleteChildNodes(bench().project());
    tree.AddDWGNodes(bench().project(), id, nullptr);
  }
  if (tree.children(bench().project()).size() != static_cast<std::size_t>(kDrawings)) state.SkipWithError("nodes missing");
}

void Tree_Refresh(benchmark::State& state) {
  for (auto _ : state) bench().tree().Refresh();
}

void Tree_ShiftRange(benchmark::State& state) {
  CProjectTree& tree = bench().tree();
  const std::vector<HcNodeId> drawings = tree.children(bench().project());
  for (auto _ : state) {
    tree.click(drawings.front(), HcHitPart::kLabel, kHcNoModifier);
    tree.click(drawings.back(), HcHitPart::kLabel, kHcShift);
  }
  if (tree.GetSelectedCount() != kDrawings) state.SkipWithError("the range is not whole");
}

// Typing into the filter box and deleting again: one keystroke per iteration, from all 20 000
// drawings shown down to one ("DWG1234" narrows to a single drawing) and back.
const std::vector<std::wstring>& filterKeystrokes() {
  static const std::vector<std::wstring> keys{L"D", L"DW", L"DWG", L"DWG1", L"DWG12", L"DWG123", L"DWG1234",
                                              L"DWG123", L"DWG12", L"DWG1", L"DWG", L"DW", L"D", L""};
  return keys;
}

void Tree_FilterKeystroke(benchmark::State& state) {
  CProjectTree& tree = bench().tree();
  std::size_t key = 0;
  for (auto _ : state) tree.setFilter(filterKeystrokes()[key++ % filterKeystrokes().size()]);
  tree.setFilter(L"");
  if (tree.children(bench().project()).size() != static_cast<std::size_t>(kDrawings)) state.SkipWithError("nodes missing");
}

// The lock marks of a screenful of drawing nodes (50, as a view shows them) asked again, as the
// periodic check does: one lock-state query per node on the local folder.
void Tree_MarksOfVisibleNodes(benchmark::State& state) {
  CProjectTree& tree = bench().tree();
  const std::vector<HcNodeId> drawings = tree.children(bench().project());
  constexpr std::size_t kShown = 50;
  // The shown drawings exist, so each query looks at the file and its lock file as for real.
  for (std::size_t i = 0; i < kShown; ++i) {
    const std::optional<std::string> native = vox::os::toNative(tree.GetItemData(drawings[i])->path);
    if (!native) return state.SkipWithError("no native path");
    std::filesystem::create_directories(std::filesystem::path(*native).parent_path());
    std::ofstream(*native) << "drawing";
    benchmark::DoNotOptimize(tree.node(drawings[i]));
  }
  for (auto _ : state) tree.RecheckMarks();
  state.counters["us_per_node"] = benchmark::Counter(static_cast<double>(state.iterations() * kShown),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

#ifdef VOX_BENCH_QT
// The filter's keystrokes with the studio's item model listening.
void Tree_FilterKeystrokeWithQtModel(benchmark::State& state) {
  vox::studio::ProjectTreeItemModel model(bench().tree());
  std::size_t key = 0;
  for (auto _ : state) bench().tree().setFilter(filterKeystrokes()[key++ % filterKeystrokes().size()]);
  bench().tree().setFilter(L"");
  if (model.rowCount(model.index(0, 0)) != kDrawings) state.SkipWithError("rows missing");
}

// Refresh with the studio's item model as the tree's listener: the model's row signals for the
// whole project, and a receiver that asks every new row's index and text as a view lays out.
void Tree_RefreshWithQtModel(benchmark::State& state) {
  vox::studio::ProjectTreeItemModel model(bench().tree());
  std::size_t texts = 0;
  QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&](const QModelIndex& parent, int first, int last) {
    for (int row = first; row <= last; ++row) texts += model.index(row, 0, parent).data().toString().size();
  });
  for (auto _ : state) bench().tree().Refresh();
  benchmark::DoNotOptimize(texts);
  if (model.rowCount(model.index(0, 0)) != kDrawings) state.SkipWithError("rows missing");
}
#endif

}  // namespace

#ifdef VOX_BENCH_QT
BENCHMARK(Tree_RefreshWithQtModel)->Name("Tree/RefreshWithQtModel/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(Tree_FilterKeystrokeWithQtModel)->Name("Tree/FilterKeystrokeWithQtModel/20000")->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(Tree_Baseline)->Name("Tree/Baseline/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(Tree_BuildNodes)->Name("Tree/BuildNodes/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(Tree_Refresh)->Name("Tree/Refresh/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(Tree_ShiftRange)->Name("Tree/ShiftRange/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(Tree_FilterKeystroke)->Name("Tree/FilterKeystroke/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(Tree_MarksOfVisibleNodes)->Name("Tree/MarksOf50VisibleNodes/20000")->Unit(benchmark::kMillisecond);

#pragma once
// The nodes of the project tree and the records they carry. The tree has two levels: one
// project node per open project at the root, and under it one drawing node per drawing entry of
// the project, in project order. Node ids are never reused, so a stale id is detectably stale.

#include <memory>
#include <string>
#include <vector>

#include "host/HcPaletteControllers.h"
#include "records/VoxPrmFileDetails.h"

constexpr int kProjectNodeKind = 1;
constexpr int kDrawingNodeKind = 2;

// The icons of the tree's image list.
enum TreeIcon : int { kProjectIcon = 0, kDrawingIcon = 1, kReferenceIcon = 2 };

// The record every node carries; the tree owns it for the node's lifetime.
struct _itemdatastruct {
  virtual ~_itemdatastruct() = default;
  HcNodeId node = 0;
  int kind = 0;
  // A project node: the project ID (the normalised path of its project file). A drawing node:
  // the drawing's full path with "\" for "/".
  std::wstring path;
};

struct _projdatastruct : _itemdatastruct {};

struct _dwgdatastruct : _itemdatastruct {
  VoxPrmFileDetails details;  // the entry as it stood when the node was built
  std::wstring sheet;         // from the project's scratch database, empty without one
};

struct DrawingNode {
  HcNodeId id = 0;
  std::unique_ptr<_dwgdatastruct> record;
  std::wstring text;
  int icon = kDrawingIcon;
  bool selected = false;
  bool bold = false;
  std::size_t order = 0;  // position in the project's whole list, hidden nodes counted
};

struct ProjectNode {
  HcNodeId id = 0;
  std::unique_ptr<_projdatastruct> record;
  std::wstring text;
  bool expanded = false;
  bool selected = false;
  bool bold = false;
  std::vector<DrawingNode> children;
  // Drawing nodes a filter hides, in project order: they are no nodes of the tree (no id lookup,
  // no selection) until the filter lets them back.
  std::vector<DrawingNode> hidden;
};

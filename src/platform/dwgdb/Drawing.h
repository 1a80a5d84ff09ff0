#pragma once
// A drawing of the reference host in memory: the content of one drawing file (see
// docs/drawing-format.md). Every object also carries the members this program does not know,
// so a drawing that is read and written again loses nothing.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vox::dwgdb {

// Members of a JSON object that the model does not know, as the JSON text of an object
// (empty when there are none). Written back after the known members.
struct Extras {
  std::string json;
  bool operator==(const Extras&) const = default;
};

struct Point {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  bool operator==(const Point&) const = default;
};

// An attribute of a block reference, or an attribute definition of a block (whose value is the
// default value of the attributes made from it).
struct Attribute {
  std::wstring tag;
  std::wstring value;
  Point position;
  bool invisible = false;
  Extras extras;
  bool operator==(const Attribute&) const = default;
};

struct BlockReference {
  std::wstring name;
  Point position;
  Point scale{1.0, 1.0, 1.0};
  double rotation = 0.0;  // radians
  std::wstring layer;
  std::vector<Attribute> attributes;
  Extras extras;
  bool operator==(const BlockReference&) const = default;
};

struct Text {
  std::wstring text;
  Point position;
  double height = 2.5;
  std::wstring layer;
  Extras extras;
  bool operator==(const Text&) const = default;
};

struct Line {
  Point start;
  Point end;
  std::wstring layer;
  Extras extras;
  bool operator==(const Line&) const = default;
};

// An entity of a type the model does not know, kept whole as JSON text.
struct OtherEntity {
  std::string json;
  bool operator==(const OtherEntity&) const = default;
};

using Entity = std::variant<BlockReference, Text, Line, OtherEntity>;

// A named space ("*Model_Space", "*Paper_Space", "*Paper_Space0", ...) and what it holds.
struct Space {
  std::wstring name;
  std::vector<Entity> entities;
  Extras extras;
  bool operator==(const Space&) const = default;
};

struct BlockDefinition {
  std::wstring name;
  Point basePoint;
  std::vector<Attribute> attributeDefinitions;
  std::vector<Entity> entities;
  Extras extras;
  bool operator==(const BlockDefinition&) const = default;
};

struct Layer {
  std::wstring name;
  bool frozen = false;
  Extras extras;
  bool operator==(const Layer&) const = default;
};

struct CustomProperty {
  std::wstring name;
  std::wstring value;
  bool operator==(const CustomProperty&) const = default;
};

struct SummaryInfo {
  std::wstring title;
  std::wstring subject;
  std::wstring author;
  std::wstring keywords;
  std::wstring comments;
  std::vector<CustomProperty> customProperties;
  Extras extras;
  bool operator==(const SummaryInfo&) const = default;
};

struct Header {
  std::wstring currentLayer = L"0";
  std::wstring lastSavedBy;
  Extras extras;
  bool operator==(const Header&) const = default;
};

struct Drawing {
  Header header;
  SummaryInfo summary;
  std::vector<Layer> layers;
  std::vector<BlockDefinition> blocks;
  std::vector<Space> spaces;
  std::optional<std::string> thumbnailPng;  // the PNG file's bytes
  Extras extras;
  bool operator==(const Drawing&) const = default;

  // The objects named `name`, ignoring case; null when there is none.
  Space* findSpace(const std::wstring& name);
  const Space* findSpace(const std::wstring& name) const;
  BlockDefinition* findBlock(const std::wstring& name);
  const BlockDefinition* findBlock(const std::wstring& name) const;
  Layer* findLayer(const std::wstring& name);
};

// A new drawing: layer "0" (current), an empty model space and one empty paper space.
Drawing emptyDrawing();

}  // namespace vox::dwgdb

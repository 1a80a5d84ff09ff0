// Reading and writing the JSON form of a drawing. Readers take the members they know out of a
// copy of each object; what is left becomes the object's extras, written back after the known
// members. A member of the wrong type makes the whole file unreadable rather than half-read.

#include "platform/dwgdb/DrawingJson.h"

#include <nlohmann/json.hpp>

#include "platform/dwgdb/Base64.h"
#include "platform/os/NativePath.h"

namespace vox::dwgdb {
namespace {

using Json = nlohmann::ordered_json;

// Deeper documents are refused: copying and writing JSON recurse once per level.
constexpr std::size_t kMaxDepth = 64;

std::wstring fromUtf8(const std::string& utf8) { return os::decodeFileName(utf8); }
std::string toUtf8(const std::wstring& text) { return os::encodeFileName(text); }

std::string dumpText(const Json& json, int indent = -1) {
  return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

// The members of one object, taken out one by one; a wrong type marks the object bad.
class Members {
 public:
  explicit Members(const Json& object) : rest_(object) {}

  std::optional<Json> take(const char* name) {
    const auto found = rest_.find(name);
    if (found == rest_.end()) return std::nullopt;
    Json value = std::move(*found);
    rest_.erase(found);
    return value;
  }
  void text(const char* name, std::wstring& out) {
    const std::optional<Json> v = take(name);
    if (v && v->is_string()) out = fromUtf8(v->get<std::string>());
    if (v && !v->is_string()) fail();
  }
  void number(const char* name, double& out) {
    const std::optional<Json> v = take(name);
    if (v && v->is_number()) out = v->get<double>();
    if (v && !v->is_number()) fail();
  }
  void flag(const char* name, bool& out) {
    const std::optional<Json> v = take(name);
    if (v && v->is_boolean()) out = v->get<bool>();
    if (v && !v->is_boolean()) fail();
  }
  void point(const char* name, Point& out);
  // The array member `name` read item by item; absent gives no items.
  template <typename Item, typename Read>
  void array(const char* name, std::vector<Item>& out, Read read);

  void fail() { ok_ = false; }
  bool ok() const { return ok_; }
  Extras extras() const { return rest_.empty() ? Extras{} : Extras{dumpText(rest_)}; }

 private:
  Json rest_;
  bool ok_ = true;
};

void Members::point(const char* name, Point& out) {
  const std::optional<Json> v = take(name);
  if (!v) return;
  if (!v->is_array() || v->size() < 2 || v->size() > 3) return fail();
  for (const Json& n : *v)
    if (!n.is_number()) return fail();
  out = Point{(*v)[0].get<double>(), (*v)[1].get<double>(), v->size() == 3 ? (*v)[2].get<double>() : 0.0};
}

template <typename Item, typename Read>
void Members::array(const char* name, std::vector<Item>& out, Read read) {
  const std::optional<Json> v = take(name);
  if (!v) return;
  if (!v->is_array()) return fail();
  for (const Json& item : *v) {
    std::optional<Item> parsed = item.is_object() ? read(item) : std::nullopt;
    if (!parsed) return fail();
    out.push_back(std::move(*parsed));
  }
}

template <typename Item>
std::optional<Item> finish(Item item, const Members& members) {
  if (!members.ok()) return std::nullopt;
  item.extras = members.extras();
  return item;
}

std::optional<Attribute> readAttribute(const Json& object) {
  Members m(object);
  Attribute a;
  m.text("tag", a.tag);
  m.text("value", a.value);
  m.point("position", a.position);
  m.flag("invisible", a.invisible);
  if (a.tag.empty()) m.fail();
  return finish(std::move(a), m);
}

std::optional<Entity> readEntity(const Json& object) {
  const auto type = object.find("type");
  const std::string kind = type != object.end() && type->is_string() ? type->get<std::string>() : std::string();
  Members m(object);
  if (kind == "blockReference") {
    m.take("type");
    BlockReference r;
    m.text("name", r.name);
    m.point("position", r.position);
    m.point("scale", r.scale);
    m.number("rotation", r.rotation);
    m.text("layer", r.layer);
    m.array("attributes", r.attributes, readAttribute);
    if (r.name.empty()) m.fail();
    return finish(std::move(r), m);
  }
  if (kind == "text") {
    m.take("type");
    Text t;
    m.text("text", t.text);
    m.point("position", t.position);
    m.number("height", t.height);
    m.text("layer", t.layer);
    return finish(std::move(t), m);
  }
  if (kind == "line") {
    m.take("type");
    Line l;
    m.point("start", l.start);
    m.point("end", l.end);
    m.text("layer", l.layer);
    return finish(std::move(l), m);
  }
  return OtherEntity{dumpText(object)};
}

std::optional<Space> readSpace(const Json& object) {
  Members m(object);
  Space s;
  m.text("name", s.name);
  m.array("entities", s.entities, readEntity);
  if (s.name.empty()) m.fail();
  return finish(std::move(s), m);
}

std::optional<BlockDefinition> readBlock(const Json& object) {
  Members m(object);
  BlockDefinition b;
  m.text("name", b.name);
  m.point("basePoint", b.basePoint);
  m.array("attributeDefinitions", b.attributeDefinitions, readAttribute);
  m.array("entities", b.entities, readEntity);
  if (b.name.empty()) m.fail();
  return finish(std::move(b), m);
}

std::optional<Layer> readLayer(const Json& object) {
  Members m(object);
  Layer l;
  m.text("name", l.name);
  m.flag("frozen", l.frozen);
  if (l.name.empty()) m.fail();
  return finish(std::move(l), m);
}

// Custom properties are plain pairs; members beyond the two are refused rather than lost.
std::optional<CustomProperty> readCustomProperty(const Json& object) {
  Members m(object);
  CustomProperty p;
  m.text("name", p.name);
  m.text("value", p.value);
  if (!m.ok() || p.name.empty() || !m.extras().json.empty()) return std::nullopt;
  return p;
}

std::optional<SummaryInfo> readSummary(const Json& object) {
  Members m(object);
  SummaryInfo s;
  m.text("title", s.title);
  m.text("subject", s.subject);
  m.text("author", s.author);
  m.text("keywords", s.keywords);
  m.text("comments", s.comments);
  m.array("customProperties", s.customProperties, readCustomProperty);
  return finish(std::move(s), m);
}

std::optional<Header> readHeader(const Json& object) {
  Members m(object);
  Header h;
  m.text("currentLayer", h.currentLayer);
  m.text("lastSavedBy", h.lastSavedBy);
  return finish(std::move(h), m);
}

// An optional object member read with `read`; absent keeps `out` as it is.
template <typename Item, typename Read>
void readObject(Members& m, const char* name, Item& out, Read read) {
  const std::optional<Json> v = m.take(name);
  if (!v) return;
  std::optional<Item> parsed = v->is_object() ? read(*v) : std::nullopt;
  parsed ? void(out = std::move(*parsed)) : m.fail();
}

ParsedDrawing readDrawing(const Json& root) {
  Members m(root);
  const std::optional<Json> format = m.take("format");
  if (!format || *format != Json(std::string(kFormatName))) return {std::nullopt, L"the file is not a drawing"};
  const std::optional<Json> version = m.take("version");
  if (!version || !version->is_number_integer() || version->get<long long>() != kFormatVersion)
    return {std::nullopt, L"the drawing's format version is not known"};
  Drawing d;
  d.layers.clear();
  readObject(m, "header", d.header, readHeader);
  readObject(m, "summaryInfo", d.summary, readSummary);
  m.array("layers", d.layers, readLayer);
  m.array("blocks", d.blocks, readBlock);
  m.array("spaces", d.spaces, readSpace);
  if (const std::optional<Json> thumbnail = m.take("thumbnailPng")) {
    d.thumbnailPng = thumbnail->is_string() ? decodeBase64(thumbnail->get<std::string>()) : std::nullopt;
    if (!d.thumbnailPng) m.fail();
  }
  if (!m.ok()) return {std::nullopt, L"the drawing is damaged"};
  d.extras = m.extras();
  return {std::move(d), {}};
}

// --- Writing ----------------------------------------------------------------------------------

Json text(const std::wstring& value) { return Json(toUtf8(value)); }
Json point(const Point& p) { return Json::array({p.x, p.y, p.z}); }

void addExtras(Json& object, const Extras& extras) {
  if (extras.json.empty()) return;
  const Json rest = Json::parse(extras.json, nullptr, false);
  if (!rest.is_object()) return;
  for (auto it = rest.begin(); it != rest.end(); ++it)
    if (!object.contains(it.key())) object[it.key()] = it.value();
}

template <typename Item, typename Write>
Json array(const std::vector<Item>& items, Write write) {
  Json out = Json::array();
  for (const Item& item : items) out.push_back(write(item));
  return out;
}

Json writeAttribute(const Attribute& a) {
  Json o = {{"tag", text(a.tag)}, {"value", text(a.value)}, {"position", point(a.position)}};
  if (a.invisible) o["invisible"] = true;
  addExtras(o, a.extras);
  return o;
}

struct EntityWriter {
  Json operator()(const BlockReference& r) const {
    Json o = {{"type", "blockReference"}, {"name", text(r.name)},    {"position", point(r.position)},
              {"scale", point(r.scale)},  {"rotation", r.rotation}, {"layer", text(r.layer)}};
    o["attributes"] = array(r.attributes, writeAttribute);
    addExtras(o, r.extras);
    return o;
  }
  Json operator()(const Text& t) const {
    Json o = {{"type", "text"}, {"text", text(t.text)}, {"position", point(t.position)}, {"height", t.height},
              {"layer", text(t.layer)}};
    addExtras(o, t.extras);
    return o;
  }
  Json operator()(const Line& l) const {
    Json o = {{"type", "line"}, {"start", point(l.start)}, {"end", point(l.end)}, {"layer", text(l.layer)}};
    addExtras(o, l.extras);
    return o;
  }
  Json operator()(const OtherEntity& e) const {
    Json o = Json::parse(e.json, nullptr, false);
    return o.is_discarded() ? Json::object() : o;
  }
};

Json writeEntity(const Entity& e) { return std::visit(EntityWriter{}, e); }

Json writeSpace(const Space& s) {
  Json o = {{"name", text(s.name)}};
  o["entities"] = array(s.entities, writeEntity);
  addExtras(o, s.extras);
  return o;
}

Json writeBlock(const BlockDefinition& b) {
  Json o = {{"name", text(b.name)}, {"basePoint", point(b.basePoint)}};
  o["attributeDefinitions"] = array(b.attributeDefinitions, writeAttribute);
  o["entities"] = array(b.entities, writeEntity);
  addExtras(o, b.extras);
  return o;
}

Json writeLayer(const Layer& l) {
  Json o = {{"name", text(l.name)}, {"frozen", l.frozen}};
  addExtras(o, l.extras);
  return o;
}

Json writeSummary(const SummaryInfo& s) {
  Json o = {{"title", text(s.title)},       {"subject", text(s.subject)},   {"author", text(s.author)},
            {"keywords", text(s.keywords)}, {"comments", text(s.comments)}};
  o["customProperties"] = array(s.customProperties, [](const CustomProperty& p) {
    return Json{{"name", text(p.name)}, {"value", text(p.value)}};
  });
  addExtras(o, s.extras);
  return o;
}

Json writeHeader(const Header& h) {
  Json o = {{"currentLayer", text(h.currentLayer)}, {"lastSavedBy", text(h.lastSavedBy)}};
  addExtras(o, h.extras);
  return o;
}

}  // namespace

ParsedDrawing parseDrawing(std::string_view bytes) {
  bool tooDeep = false;
  const Json::parser_callback_t limitDepth = [&tooDeep](int depth, Json::parse_event_t, Json&) {
    if (static_cast<std::size_t>(depth) > kMaxDepth) tooDeep = true;
    return !tooDeep;
  };
  const Json root = Json::parse(bytes.begin(), bytes.end(), limitDepth, false);
  if (tooDeep) return {std::nullopt, L"the drawing is nested too deeply"};
  if (root.is_discarded()) return {std::nullopt, L"the file is not valid JSON"};
  if (!root.is_object()) return {std::nullopt, L"the file is not a drawing"};
  return readDrawing(root);
}

std::string serializeDrawing(const Drawing& d) {
  Json o = {{"format", std::string(kFormatName)}, {"version", kFormatVersion}};
  o["header"] = writeHeader(d.header);
  o["summaryInfo"] = writeSummary(d.summary);
  o["layers"] = array(d.layers, writeLayer);
  o["blocks"] = array(d.blocks, writeBlock);
  o["spaces"] = array(d.spaces, writeSpace);
  if (d.thumbnailPng) o["thumbnailPng"] = encodeBase64(*d.thumbnailPng);
  addExtras(o, d.extras);
  return dumpText(o, 2) + "\n";
}

}  // namespace vox::dwgdb

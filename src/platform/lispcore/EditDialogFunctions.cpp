// The core's dialogs that edit values. Each prints one line naming the dialog and answers as if
// the user pressed OK without changing anything: the values it was given, in the shape its
// caller reads.

#include <algorithm>
#include <optional>

#include "platform/lispcore/Arguments.h"
#include "platform/lispcore/Registrar.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

// The answer of a dialog for its checked arguments; false with `error` set for a wrong shape.
using Edit = Value (*)(const Args& args, std::wstring& error);

Value failWith(std::wstring& error, const std::wstring& message) {
  error = message;
  return Value::nil();
}

template <std::size_t N>
Value sameStrings(const Args& args, std::wstring& error) {
  const std::optional<std::vector<std::wstring>> strings = stringsOf(args[0]);
  if (!strings || strings->size() != N) return failWith(error, L"bad argument type: " + std::to_wstring(N) + L" strings expected");
  return args[0];
}

Value firstArgument(const Args& args, std::wstring&) { return args[0]; }
Value secondArgument(const Args& args, std::wstring&) { return args[1]; }

Value stringList(const Args& args, std::wstring& error) {
  if (!stringsOf(args[0])) return failWith(error, L"bad argument type: a list of strings expected");
  return args[0];
}

// The layers, as one comma-separated text.
Value joinedLayers(const Args& args, std::wstring& error) {
  const std::optional<std::vector<std::wstring>> layers = stringsOf(args[1]);
  if (!layers) return failWith(error, L"bad argument type: a list of layer names expected");
  std::wstring joined;
  for (const std::wstring& layer : *layers) joined += (joined.empty() ? L"" : L",") + layer;
  return Value::ofString(joined);
}

// Lists, then a mode: the first list.
Value firstOfLists(const Args& args, std::wstring& error) {
  if (args.back().kind != Value::Kind::kInteger) return failWith(error, L"bad argument type: a mode expected last");
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (!stringsOf(args[i])) return failWith(error, L"bad argument type: lists of strings expected");
  return args.size() > 1 ? args[0] : Value::nil();
}

// (first second) of reals or nils: the first number given, else 0.0.
Value inlineGap(const Args& args, std::wstring& error) {
  const std::vector<Value>& pair = args[0].elements();
  if (pair.size() != 2) return failWith(error, L"bad argument type: a pair of gaps expected");
  for (const Value& gap : pair) {
    if (gap.isNumber()) return Value::ofReal(gap.number());
    if (!gap.isNil()) return failWith(error, L"bad argument type: a gap is a number or nil");
  }
  return Value::ofReal(0.0);
}

// The description lines: the strings of the list arguments, nested lists included, in order.
void collectListStrings(const Value& value, bool inList, std::vector<Value>& lines) {
  if (value.kind == Value::Kind::kString && inList) lines.push_back(value);
  for (const Value& element : value.elements()) collectListStrings(element, true, lines);
}

// The flags of a project being created (mode 0, last argument a comma-separated string), as
// the list of strings that ends the answer.
std::optional<Value> newProjectFlags(const Args& args) {
  if (args.size() < 2 || args.front().kind != Value::Kind::kInteger || args.front().integer != 0 ||
      args.back().kind != Value::Kind::kString)
    return std::nullopt;
  std::vector<Value> flags;
  const std::wstring& text = args.back().text;
  for (std::size_t start = 0; !text.empty() && start <= text.size();) {
    const std::size_t comma = std::min(text.find(L',', start), text.size());
    flags.push_back(Value::ofString(text.substr(start, comma - start)));
    start = comma + 1;
  }
  return Value::ofList(std::move(flags));
}

Value descriptionLines(const Args& args, std::wstring&) {
  std::vector<Value> lines;
  for (const Value& arg : args) collectListStrings(arg, false, lines);
  if (std::optional<Value> flags = newProjectFlags(args); flags && !flags->isNil()) lines.push_back(std::move(*flags));
  return Value::ofList(std::move(lines));
}

struct Dialog {
  const wchar_t* name;
  const wchar_t* pattern;
  const wchar_t* what;
  Edit edit;
};

const Dialog kDialogs[] = {
    {L"c:wd_xref_setup_text", L"l", L"cross-reference text setup", sameStrings<5>},
    {L"c:wd_xref_setup_graphical", L"l", L"cross-reference graphical setup", sameStrings<7>},
    {L"c:wd_xref_setup_table", L"l", L"cross-reference table setup", sameStrings<12>},
    {L"c:vox_cfg_component_suffix_dlg", L"s", L"component suffix setup", firstArgument},
    {L"c:vox_cfg_wirenum_suffix_dlg", L"s", L"wire number suffix setup", firstArgument},
    {L"wd_cfg_Lref_setup", L"ssxx", L"line reference setup", firstArgument},
    {L"wd_cfg_Lxy_setup", L"xsl", L"line X-Y setup", secondArgument},
    {L"wd_cfg_add_lay", L"il", L"add layers", joinedLayers},
    {L"wd_cfg_setup_wlay_doit", L"x*", L"wire layer setup", firstOfLists},
    {L"wd_strblk_inline_gap_su", L"lisxi", L"inline wire number gap setup", inlineGap},
    {L"vox_rename_wire_properties", L"s", L"rename wire properties", firstArgument},
    {L"c:vox_check_linkterm", L"ls", L"check linked terminals", stringList},
    {L"c:vox_proj_edit_proj_description_lines", L"*", L"project description lines", descriptionLines},
};

}  // namespace

void defineEditDialogFunctions(Registrar& registrar) {
  for (const Dialog& dialog : kDialogs) {
    const std::wstring line = askedLine(dialog.what, dialog.name);
    const Edit edit = dialog.edit;
    registrar.define(dialog.name, dialog.pattern, [line, edit](CoreState& state, const Args& args, std::wstring& error) {
      state.printLine(line);
      return edit(args, error);
    });
  }
}

}  // namespace vox::lispcore

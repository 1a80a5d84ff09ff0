#include "platform/lisp/ValueChain.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "platform/os/CaseMapping.h"

namespace vox::lisp {
namespace {

void addAtom(const Value& value, HcResBufChain& chain) {
  switch (value.kind()) {
    case Kind::Nil: chain.nil(); break;
    case Kind::T: chain.t(); break;
    case Kind::String: chain.str(*value.stringText()); break;
    case Kind::Integer: {
      const std::int32_t i = *value.integer();
      if (i >= std::numeric_limits<std::int16_t>::min() && i <= std::numeric_limits<std::int16_t>::max()) {
        chain.shortInt(static_cast<std::int16_t>(i));
      } else {
        chain.longInt(i);
      }
      break;
    }
    case Kind::Real: chain.real(*value.number()); break;
    case Kind::Symbol: chain.str(os::toUpper(*value.symbolName())); break;
    case Kind::List: break;  // not an atom
  }
}

// A list being walked: its elements and the next one to write.
struct Open {
  std::span<const Value> items;
  std::size_t next = 0;
};

void addValue(const Value& value, HcResBufChain& chain) {
  if (!value.isList()) {
    addAtom(value, chain);
    return;
  }
  std::vector<Open> open{{value.items()}};
  chain.beginList();
  while (!open.empty()) {
    Open& top = open.back();
    if (top.next == top.items.size()) {
      chain.endList();
      open.pop_back();
      continue;
    }
    const Value& item = top.items[top.next++];
    if (item.isList()) {
      chain.beginList();
      open.push_back({item.items()});  // `top` is not used after this
    } else {
      addAtom(item, chain);
    }
  }
}

Result<Value> atomFrom(const HcResBuf& item) {
  switch (item.type) {
    case kRtNil: return Value();
    case kRtT: return Value::t();
    case kRtStr:
      if (item.string() != nullptr) return Value::string(*item.string());
      break;
    case kRtShort:
    case kRtLong:
      if (item.integer()) return Value::integer(*item.integer());
      break;
    case kRtReal:
      if (item.number()) return Value::real(*item.number());
      break;
    default: return makeError(L"unsupported chain item type " + std::to_wstring(item.type));
  }
  return makeError(L"chain item of type " + std::to_wstring(item.type) + L" carries no matching value");
}

}  // namespace

HcResBufChain toChain(const Value& value) {
  HcResBufChain chain;
  addValue(value, chain);
  return chain;
}

HcResBufChain toChain(std::span<const Value> values) {
  HcResBufChain chain;
  for (const Value& value : values) addValue(value, chain);
  return chain;
}

Result<std::vector<Value>> valuesFromChain(const HcResBufChain& chain) {
  // open.front() collects the top-level values, each further entry one open list.
  std::vector<std::vector<Value>> open(1);
  for (const HcResBuf& item : chain.items()) {
    if (item.type == kRtListBegin) {
      if (open.size() > static_cast<std::size_t>(kMaxNesting)) return makeError(L"nesting too deep");
      open.emplace_back();
      continue;
    }
    if (item.type == kRtListEnd) {
      if (open.size() == 1) return makeError(L"malformed list");
      Result<Value> list = Value::list(std::move(open.back()));
      if (!list) return list.error();
      open.pop_back();
      open.back().push_back(std::move(list).value());
      continue;
    }
    Result<Value> atom = atomFrom(item);
    if (!atom) return atom.error();
    open.back().push_back(std::move(atom).value());
  }
  if (open.size() != 1) return makeError(L"malformed list");
  return std::move(open.front());
}

Result<Value> valueFromChain(const HcResBufChain& chain) {
  Result<std::vector<Value>> values = valuesFromChain(chain);
  if (!values) return values.error();
  if (values.value().size() != 1) {
    return makeError(L"expected one value, got " + std::to_wstring(values.value().size()));
  }
  return std::move(values.value().front());
}

}  // namespace vox::lisp

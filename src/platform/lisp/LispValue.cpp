#include "platform/lisp/LispValue.h"

namespace vox::lisp {

Value Value::t() {
  Value v;
  v.kind = Kind::kT;
  return v;
}

Value Value::ofInteger(std::int32_t i) {
  Value v;
  v.kind = Kind::kInteger;
  v.integer = i;
  return v;
}

Value Value::ofReal(double d) {
  Value v;
  v.kind = Kind::kReal;
  v.real = d;
  return v;
}

Value Value::ofString(std::wstring s) {
  Value v;
  v.kind = Kind::kString;
  v.text = std::move(s);
  return v;
}

Value Value::symbol(std::wstring name) {
  Value v;
  v.kind = Kind::kSymbol;
  v.text = std::move(name);
  return v;
}

Value Value::ofList(std::vector<Value> elements) {
  if (elements.empty()) return nil();
  Value v;
  v.kind = Kind::kList;
  v.list = std::move(elements);
  return v;
}

void appendToChain(const Value& value, HcResBufChain& chain) {
  switch (value.kind) {
    case Value::Kind::kNil: chain.nil(); break;
    case Value::Kind::kT: chain.t(); break;
    case Value::Kind::kInteger:
      if (value.integer >= INT16_MIN && value.integer <= INT16_MAX) {
        chain.shortInt(static_cast<std::int16_t>(value.integer));
      } else {
        chain.longInt(value.integer);
      }
      break;
    case Value::Kind::kReal: chain.real(value.real); break;
    case Value::Kind::kString:
    case Value::Kind::kSymbol: chain.str(value.text); break;  // symbols travel by name
    case Value::Kind::kList:
      chain.beginList();
      for (const Value& element : value.list) appendToChain(element, chain);
      chain.endList();
      break;
  }
}

HcResBufChain toChain(const std::vector<Value>& values) {
  HcResBufChain chain;
  for (const Value& v : values) appendToChain(v, chain);
  return chain;
}

namespace {

Value itemValue(const HcResBuf& item) {
  switch (item.type) {
    case kRtT: return Value::t();
    case kRtShort:
    case kRtLong: return Value::ofInteger(*item.integer());
    case kRtReal: return Value::ofReal(*item.number());
    case kRtStr: return Value::ofString(*item.string());
    default: return Value::nil();
  }
}

}  // namespace

std::vector<Value> fromChain(const HcResBufChain& chain) {
  std::vector<std::vector<Value>> open(1);  // the values of each list being read; [0] is the top
  for (const HcResBuf& item : chain.items()) {
    if (item.type == kRtListBegin) {
      open.emplace_back();
    } else if (item.type == kRtListEnd) {
      if (open.size() == 1) continue;
      Value list = Value::ofList(std::move(open.back()));
      open.pop_back();
      open.back().push_back(std::move(list));
    } else {
      open.back().push_back(itemValue(item));
    }
  }
  while (open.size() > 1) {
    Value list = Value::ofList(std::move(open.back()));
    open.pop_back();
    open.back().push_back(std::move(list));
  }
  return std::move(open.front());
}

}  // namespace vox::lisp

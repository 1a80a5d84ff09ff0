#pragma once
// Values to and from the host's result-buffer chains. A chain is flat: a list is a list-begin
// item, its elements and a list-end item. Integers go as 16-bit items when they fit and as
// 32-bit items otherwise; a symbol goes as the string of its upper-case name, as chains have no
// symbol items.

#include <vector>

#include "host/HcResBuf.h"
#include "platform/lisp/Result.h"
#include "platform/lisp/Value.h"

namespace vox::lisp {

HcResBufChain toChain(const Value& value);
// All values one after the other, as a call's arguments are sent.
HcResBufChain toChain(std::span<const Value> values);

// Every value of the chain. Fails on unbalanced list items ("malformed list"), on items whose
// type code is unknown or does not match the value they carry, and on lists nesting too deep.
Result<std::vector<Value>> valuesFromChain(const HcResBufChain& chain);
// The one value of the chain; fails when it holds none or more than one.
Result<Value> valueFromChain(const HcResBufChain& chain);

}  // namespace vox::lisp

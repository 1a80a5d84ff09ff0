#pragma once
// The module's texts: numbered resource strings and named texts from the catalog that ships
// beside the module. `HcResourceScope` switches the host's resource lookup to the module's
// catalog for its lifetime (around dialogs and message boxes).

#include <optional>
#include <string>

class HcMessageCatalog {
 public:
  virtual ~HcMessageCatalog() = default;
  virtual std::optional<std::wstring> string(unsigned id) const = 0;
  virtual std::optional<std::wstring> text(const std::wstring& name) const = 0;
};

// The installed catalog, or null.
HcMessageCatalog* hcMessageCatalog();
// Resource string `id`, or "#<id>" so a missing text still shows which one it was.
std::wstring hcResourceString(unsigned id);

class HcResourceScope {
 public:
  HcResourceScope();
  ~HcResourceScope();
  HcResourceScope(const HcResourceScope&) = delete;
  HcResourceScope& operator=(const HcResourceScope&) = delete;

 private:
  bool pushed_ = false;
};

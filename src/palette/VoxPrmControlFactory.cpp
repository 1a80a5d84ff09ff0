#include "palette/VoxPrmControlFactory.h"

#include "palette/CProjectTree.h"
#include "palette/VoxPrmComboBox.h"

VoxPrmControlFactory& VoxPrmControlFactory::Instance() {
  static VoxPrmControlFactory factory;
  return factory;
}

void VoxPrmControlFactory::RegisterImplementation(std::unique_ptr<IVoxPrmControlFactoryImpl> impl) {
  impl_ = std::move(impl);
}

std::unique_ptr<CProjectTree> VoxPrmControlFactory::NewProjectTree() {
  std::unique_ptr<CProjectTree> tree = impl_ ? impl_->NewProjectTree() : nullptr;
  return tree ? std::move(tree) : std::make_unique<CProjectTree>();
}

std::unique_ptr<VoxPrmComboBox> VoxPrmControlFactory::NewProjectComboBox() {
  std::unique_ptr<VoxPrmComboBox> combo = impl_ ? impl_->NewProjectComboBox() : nullptr;
  return combo ? std::move(combo) : std::make_unique<VoxPrmComboBox>();
}

#pragma once
// Where the palette gets its project tree and project combo box: a process-wide factory with an
// optional registered implementation, so another module can supply derived controls. Without
// one it makes the module's own. Callers own what it makes.

#include <memory>

class CProjectTree;
class VoxPrmComboBox;

// The interface a module registers: it makes the two controls.
class IVoxPrmControlFactoryImpl {
 public:
  virtual ~IVoxPrmControlFactoryImpl() = default;
  virtual std::unique_ptr<CProjectTree> NewProjectTree() = 0;
  virtual std::unique_ptr<VoxPrmComboBox> NewProjectComboBox() = 0;
};

class VoxPrmControlFactory {
 public:
  static VoxPrmControlFactory& Instance();

  // Replaces the registered implementation (the old one is destroyed); null goes back to the
  // module's own controls.
  void RegisterImplementation(std::unique_ptr<IVoxPrmControlFactoryImpl> impl);
  std::unique_ptr<CProjectTree> NewProjectTree();
  std::unique_ptr<VoxPrmComboBox> NewProjectComboBox();

 private:
  VoxPrmControlFactory() = default;
  std::unique_ptr<IVoxPrmControlFactoryImpl> impl_;
};

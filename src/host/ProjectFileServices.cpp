#include "host/ProjectFileServices.h"

namespace vox::host {
namespace {
ProjectFileServices* installed = nullptr;
}  // namespace

ProjectFileServices* projectFileServices() { return installed; }
void installProjectFileServices(ProjectFileServices* services) { installed = services; }

}  // namespace vox::host

#include "records/VoxPrmFileDetails.h"

bool VoxPrmFileDetails::operator==(const VoxPrmFileDetails& other) const = default;

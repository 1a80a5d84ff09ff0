#pragma once
// The defaults of drawing settings 71, 72, 73 and 76 as the LISP core gives them while the host
// has a document open ("wd_xref_tbl_indexlst", "wd_xref_tbl_fldnams", "wd_xref_tbl_jstlst":
// lists whose string elements are joined with ","; "wd_wdp_get_dwg_WNUM_GAP_settings": a
// string). Each one the core cannot give keeps its built-in text.

#include "records/DependentDefaultTexts.h"

namespace vox::host {

vox::records::DependentDefaultTexts dependentDefaultTexts();

}  // namespace vox::host

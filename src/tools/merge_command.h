#pragma once

#include "texts/language.h"
#include "tools/study_options.h"

namespace zarv {

// --merge: the shard tables into --out, in case order, and the summary. A set that lacks
// cases is refused, naming them, unless --allow-partial asks for the merge anyway (the
// table is then marked partial). Returns the exit status.
int MergeTables(const StudyRequest& request, Language language);

}  // namespace zarv

#include "cleaning/clean_junk.h"

namespace sparvane::cleaning {

void cleanJunk(Context&) {}

}  // namespace sparvane::cleaning

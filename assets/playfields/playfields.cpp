#include "context.h"
namespace art {
void MakePlayfields(Context&) {}
}  // namespace art

#include "context.h"
namespace art {
void MakeShellArt(Context&) {}
}  // namespace art

#include "platform/display_check.h"

namespace display_check {

bool wouldAsk(Context context, int width, int height, int depth)
{
    if (context == Context::Menu)
        return height < 768 && depth < 16;
    return width != 1024 || height != 768 || depth < 16;
}

} // namespace display_check

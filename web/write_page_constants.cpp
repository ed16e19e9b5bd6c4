// Writes the page's constants (page_constants.js) from the core; the build runs it.
#include <cstdio>

#include "page_constants.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 1;
    const bool written = std::fputs(pageConstants().c_str(), out) >= 0;
    return std::fclose(out) == 0 && written ? 0 : 1;
}

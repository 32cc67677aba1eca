// Writes the shipped sample configurations and their motto file from the designs. Run by hand
// after changing a design, from the build folder:
//   tests/e2e/make_sample_configs <checkout>
#include "SampleDesigns.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder holding config/>\n", argv[0]);
        return 2;
    }
    if (!WriteShippedSamples(argv[1])) {
        std::fprintf(stderr, "could not write the samples below %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// The durable rewrite of a file as a program of its own: what a process
// that only rewrites the file costs, start and exit included.
#include <stdio.h>

#include "bench/DurableRewrite.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: durable_rewrite FILE\n");
        return 2;
    }
    durableRewrite(argv[1]);
    return 0;
}

// A program whose frame holds an array that a call writes into, so that the
// stack protector guards it: the probe tools/check-hardening is tried on.

#include <cstdio>

int main(int argc, char** argv) {
    char name[64];
    std::snprintf(name, sizeof name, "%s", argc > 0 ? argv[0] : "");
    return std::puts(name) < 0;
}

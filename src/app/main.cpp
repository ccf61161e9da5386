// Quorvanel: entry point.
#include <cstdio>

int main() {
    std::fputs("quorvanel: the game window is not built yet; the game core runs in the tests\n", stderr);
    return 0;
}

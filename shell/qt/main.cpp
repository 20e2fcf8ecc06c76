#include <cstdio>

int main() {
    std::puts("QuorvelII: the main window is not built yet.");
    return 0;
}

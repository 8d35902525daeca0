#include <cstdio>
int main() { std::puts("kvtool"); return 0; }

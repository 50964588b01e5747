// A program that starts and ends: the floor of a tool's start through kvcmd. Linked statically,
// so no loading of shared libraries counts towards it.
int main() {
    return 0;
}

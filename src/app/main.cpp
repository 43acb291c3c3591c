// Program entry. The start sequence and the screen flow are built on top of this.
int main() { return 0; }

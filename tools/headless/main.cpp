// quintaro-headless: runs the whole program on virtual time from a script.
int main() { return 0; }

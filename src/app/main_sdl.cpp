// The program's entry point in a real window.
int main() { return 0; }

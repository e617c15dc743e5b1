// Velmara: the program entry. The window arrives with the presentation layer.
int main() { return 0; }

/* A program for the launch dialog's tests to pick; it does nothing if started. */
int main(void) { return 0; }

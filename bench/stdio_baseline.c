/* The loop as plain stdio would write it: scanf("%d"), puts and printf per
 * line, and no clearing since its output is a pipe. The yardstick for batch
 * throughput; it is not part of the program. */
#include <stdio.h>

int main(void) {
    int n = 0;
    for (;;) {
        puts("\n1\xBA\xCE\xC5\xCD 9\xB1\xEE\xC1\xF6 \xC1\xA4\xBC\xF6 \xC0\xD4\xB7\xC2/\xB8\xEE\xB4\xDC :(0\xC0\xBA \xC1\xBE\xB7\xE1)");
        if (scanf("%d", &n) != 1 || n == 0) {
            return 0;
        }
        if (n < 0 || n > 9) {
            printf("\xC0\xDF\xB8\xF8 \xC0\xD4\xB7\xC2 \xC7\xCF\xBC\xCC\xBD\xC0\xB4\xCF\xB4\xD9");
            continue;
        }
        for (int m = 1; m <= 9; ++m) {
            printf("%d*%d=%2d\n", n, m, n * m);
        }
    }
}

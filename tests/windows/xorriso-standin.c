/* Stands in for xorriso.exe in the tests of velmora.exe burn under Wine, where no xorriso for Windows is at hand.
 * Asked for -devices it prints the file that VELMORA_STANDIN_DEVICES names (xorriso's drive list); asked anything
 * else it says that the drive cannot be read, as xorriso does for a drive without a disc. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
    int devices = 0;
    const char *drive = "";
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-devices") == 0)
            devices = 1;
        else if (strcmp(argv[i], "-outdev") == 0 && i + 1 < argc)
            drive = argv[++i];
    }
    if (!devices) {
        printf("libburn : SORRY : No medium in drive '%s'\n", drive);
        return 5;
    }
    const char *listing = getenv("VELMORA_STANDIN_DEVICES");
    FILE *file = listing ? fopen(listing, "rb") : NULL;
    if (!file) {
        fprintf(stderr, "VELMORA_STANDIN_DEVICES names no file\n");
        return 1;
    }
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        fwrite(buffer, 1, got, stdout);
    fclose(file);
    return 0;
}

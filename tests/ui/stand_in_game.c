/* A stand-in for the game's program: copies the SCRIPT.DAT of the folder it
   was started in to played.txt there, as proof of where it ran and what it
   found. */
#include <stdio.h>

int main(void)
{
    FILE* dat = fopen("SCRIPT.DAT", "rb");
    FILE* played = fopen("played.txt", "wb");
    if (dat == NULL || played == NULL)
        return 1;
    int c;
    while ((c = fgetc(dat)) != EOF)
        fputc(c, played);
    return fclose(played) == 0 ? 0 : 1;
}

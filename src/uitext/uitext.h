/* The language library's one export. Copies the text of `id` into `buf`
 * (at most size - 1 characters, always NUL-terminated when size > 0) and
 * returns the number of characters copied; 0 for an unknown id. */
#ifndef ORVYN_UITEXT_H
#define ORVYN_UITEXT_H
#ifdef __cplusplus
extern "C" {
#endif
int uitext_load_string(unsigned id, char *buf, int size);
#ifdef __cplusplus
}
#endif
#endif

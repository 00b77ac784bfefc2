/* The language library's exports. uitext_load_string copies the text of `id`
 * into `buf` (at most size - 1 bytes of UTF-8, always NUL-terminated when
 * size > 0) and returns the number of bytes copied; 0 for an unknown id.
 * uitext_select_language picks the table it reads ("en", "de"); 0 and
 * English for a language it does not have. */
#ifndef ORVYN_UITEXT_H
#define ORVYN_UITEXT_H
#ifdef __cplusplus
extern "C" {
#endif
int uitext_load_string(unsigned id, char *buf, int size);
int uitext_select_language(const char *code);
#ifdef __cplusplus
}
#endif
#endif

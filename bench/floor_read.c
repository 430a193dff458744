/* The floor of bikinfo's folder run: lists a folder, opens each file and
   reads what bikinfo reads (the header's first 3120 bytes and the frame
   index in 64 KiB pieces), and nothing else: no checks, no output. */
#include <dirent.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static unsigned char head[3120], chunk[65536];

static uint32_t u32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24;
}

static void read_file(const char* path) {
  int fd = open(path, O_RDONLY | O_NONBLOCK);
  struct stat st;
  if (fd < 0) return;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 44) {
    size_t n = st.st_size < (off_t)sizeof head ? (size_t)st.st_size : sizeof head;
    if (pread(fd, head, n, 0) == (ssize_t)n) {
      int extra = head[3] == 'k' || (head[0] == 'K' && (head[3] == 'i' || head[3] == 'j'));
      uint64_t at = 44 + 4 * extra + 12 * (uint64_t)u32(head + 40);
      uint64_t end = at + 4 * ((uint64_t)u32(head + 8) + 1);
      if (end > (uint64_t)st.st_size) end = st.st_size;
      while (at < end) {
        size_t take = end - at < sizeof chunk ? end - at : sizeof chunk;
        if (pread(fd, chunk, take, at) != (ssize_t)take) break;
        at += take;
      }
    }
  }
  close(fd);
}

int main(int argc, char** argv) {
  char path[4096];
  for (int i = 1; i < argc; ++i) {
    DIR* dir = opendir(argv[i]);
    if (!dir) {
      read_file(argv[i]);
      continue;
    }
    for (struct dirent* e; (e = readdir(dir)) != NULL;) {
      if (e->d_name[0] == '.') continue;
      snprintf(path, sizeof path, "%s/%s", argv[i], e->d_name);
      read_file(path);
    }
    closedir(dir);
  }
  return 0;
}

#include "shared/wsprintf_format.h"

#include <cstdint>
#include <cstring>

namespace {

struct Output {
  char* out;
  int size;
  int length;
};

void Put(Output* o, char c) {
  if (o->length < o->size - 1) o->out[o->length++] = c;
}

void PutRepeated(Output* o, char c, int count) {
  for (int i = 0; i < count; i++) Put(o, c);
}

struct Directive {
  bool left = false;
  bool alternate = false;
  bool zero = false;
  int width = 0;
  int precision = -1;
};

// Pads `body` (length n, after an optional prefix) to the directive's width.
void PutField(Output* o, const Directive& d, const char* prefix, const char* body, int n) {
  int prefixLength = static_cast<int>(strlen(prefix));
  int padding = d.width - n - prefixLength;
  if (padding < 0) padding = 0;
  if (!d.left && !d.zero) PutRepeated(o, ' ', padding);
  for (int i = 0; i < prefixLength; i++) Put(o, prefix[i]);
  if (!d.left && d.zero) PutRepeated(o, '0', padding);
  for (int i = 0; i < n; i++) Put(o, body[i]);
  if (d.left) PutRepeated(o, ' ', padding);
}

// Digits of `value` in `base`, at least `precision` of them.
int Digits(uint32_t value, int base, bool upper, int precision, char* digits) {
  const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char reversed[16];
  int n = 0;
  do {
    reversed[n++] = set[value % base];
    value /= base;
  } while (value != 0);
  int length = 0;
  if (precision > 32) precision = 32;
  for (int i = n; i < precision; i++) digits[length++] = '0';
  while (n > 0) digits[length++] = reversed[--n];
  return length;
}

void PutNumber(Output* o, Directive d, char type, uint32_t raw) {
  char digits[40];
  const char* prefix = "";
  uint32_t magnitude = raw;
  if (type == 'd' || type == 'i') {
    int32_t value = static_cast<int32_t>(raw);
    if (value < 0) {
      prefix = "-";
      magnitude = 0u - raw;
    }
  }
  int base = (type == 'x' || type == 'X' || type == 'p') ? 16 : 10;
  if (type == 'p') {
    d.zero = true;
    if (d.width < 8) d.width = 8;
  }
  if (d.alternate && base == 16 && raw != 0) prefix = (type == 'X') ? "0X" : "0x";
  if (d.precision >= 0) d.zero = false;
  int n = Digits(magnitude, base, type == 'X' || type == 'p', d.precision, digits);
  PutField(o, d, prefix, digits, n);
}

void PutText(Output* o, const Directive& d, const char* text) {
  if (text == nullptr) text = "(null)";
  int n = 0;
  while (text[n] != '\0' && (d.precision < 0 || n < d.precision)) n++;
  PutField(o, d, "", text, n);
}

const char* ReadDirective(const char* p, Directive* d) {
  for (;; p++) {
    if (*p == '-')
      d->left = true;
    else if (*p == '#')
      d->alternate = true;
    else if (*p == '0')
      d->zero = true;
    else
      break;
  }
  while (*p >= '0' && *p <= '9') d->width = d->width * 10 + (*p++ - '0');
  if (*p == '.') {
    d->precision = 0;
    for (p++; *p >= '0' && *p <= '9'; p++) d->precision = d->precision * 10 + (*p - '0');
  }
  if (d->width > 1024) d->width = 1024;
  while (*p == 'l' || *p == 'h' || *p == 'w') p++;
  return p;
}

}  // namespace

int FormatWsprintf(char* out, int size, const char* format, va_list args) {
  if (out == nullptr || size <= 0) return 0;
  Output o{out, size, 0};
  for (const char* p = format; p != nullptr && *p != '\0'; p++) {
    if (*p != '%') {
      Put(&o, *p);
      continue;
    }
    Directive d;
    p = ReadDirective(p + 1, &d);
    char type = *p;
    if (type == '\0') break;
    switch (type) {
      case 'd':
      case 'i':
      case 'u':
      case 'x':
      case 'X':
      case 'p':
        PutNumber(&o, d, type, static_cast<uint32_t>(va_arg(args, int)));
        break;
      case 'c':
      case 'C': {
        char c = static_cast<char>(va_arg(args, int));
        PutField(&o, d, "", &c, 1);
        break;
      }
      case 's':
      case 'S':
        PutText(&o, d, va_arg(args, const char*));
        break;
      default:  // "%%" and unknown types write the character itself
        Put(&o, type);
    }
  }
  out[o.length] = '\0';
  return o.length;
}

int Wsprintf(char* out, int size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatWsprintf(out, size, format, args);
  va_end(args);
  return length;
}

#!/usr/bin/env bash
# Checks that a shared library of ours exports its API only: every dynamic symbol it defines
# (beyond the linker's own) belongs to the library's namespace or to the names the optional third
# argument allows (an extended regular expression for the start of a name), and it exports some.
# Usage: check_exports.sh <library file> <namespace> [<allowed names>]
set -euo pipefail
lib=$1 ns=$2 also=${3:-}

symbols=$(nm -D --defined-only "$lib" | awk '{print $NF}' | grep -vxE '_init|_fini|_edata|_end|__bss_start' | c++filt)
special='(vtable for |typeinfo for |typeinfo name for |VTT for |guard variable for |non-virtual thunk to |virtual thunk to )?'
allowed="${ns}::"
[ -z "$also" ] || allowed="(${ns}::|${also})"
foreign=$(grep -vE "^${special}${allowed}" <<<"$symbols" || true)
own=$(grep -cE "^${special}${ns}::" <<<"$symbols" || true)

if [ -n "$foreign" ]; then
  echo "FAIL: $(basename "$lib") exports $(wc -l <<<"$foreign") symbols outside ${ns}::" >&2
  echo "$foreign" >&2
  exit 1
fi
[ "$own" -gt 0 ] || { echo "FAIL: $(basename "$lib") exports nothing of ${ns}::" >&2; exit 1; }
if [ -n "$also" ]; then
  grep -qE "^${special}(${also})" <<<"$symbols" || { echo "FAIL: $(basename "$lib") exports nothing of ${also}" >&2; exit 1; }
fi
echo "$(basename "$lib"): $own symbols of ${ns}::${also:+ and those of ${also}}"

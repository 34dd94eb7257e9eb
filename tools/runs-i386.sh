#!/bin/sh
# Exits 0 when this machine's kernel runs 32-bit x86 programs (and so 32-bit
# Wine can run the i686 build), 1 when it refuses them. Runs a 93-byte static
# i386 program that only calls exit(0).
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >"$probe"
printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0\61\333\270\1\0\0\0\315\200' >>"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null

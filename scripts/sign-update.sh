#!/usr/bin/env bash
# Makes a signed update manifest for a package: the package's SHA-256 and the
# names of its files go into the manifest with the date the manifest expires
# (the program refuses it after that: sign again before then), and the
# Ed25519 signature of the whole text is added as its last section. The private key stays outside the repository; its public
# half is built into the program (src/update/signature.cpp, printed by
# --public-key).
#
#   scripts/sign-update.sh --key KEY.pem --version 1.2.3.45 --package FILE.tar \
#       --url https://.../FILE.tar [--description TEXT] [--valid-days 30] > kalvo_AU.cfg
#   scripts/sign-update.sh --key KEY.pem --manifest MANIFEST [--valid-days 30]
#       (signs an edited manifest in place, with a new expiry)
#   scripts/sign-update.sh --key KEY.pem --public-key          (the 32 bytes, hexadecimal)
#
# A package is a ustar archive of the program's files, e.g.
#   tar --format=ustar -C install -cf FILE.tar belvane belvane-cli
set -euo pipefail

key="" version="" package="" url="" description="" manifest="" public=0 days=30
while [[ $# -gt 0 ]]; do
  case "$1" in
    --key) key="$2"; shift 2 ;;
    --version) version="$2"; shift 2 ;;
    --package) package="$2"; shift 2 ;;
    --url) url="$2"; shift 2 ;;
    --description) description="$2"; shift 2 ;;
    --manifest) manifest="$2"; shift 2 ;;
    --valid-days) days="$2"; shift 2 ;;
    --public-key) public=1; shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
[[ -n "$key" && -f "$key" ]] || { echo "--key KEY.pem is required" >&2; exit 2; }

if [[ $public -eq 1 ]]; then
  openssl pkey -in "$key" -pubout -outform DER | tail -c 32 | od -An -tx1 | tr -d ' \n'
  echo
  exit 0
fi

[[ "$days" =~ ^[0-9]+$ && "$days" -ge 1 ]] || { echo "--valid-days takes a number of days" >&2; exit 2; }
expires=$(date -u -d "+$days days" +%Y-%m-%dT%H:%M:%SZ)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
body="$work/body"

if [[ -n "$manifest" ]]; then
  # Everything before an old signature section, the expiry renewed.
  # (Bytes, not characters: the first line may start with a byte-order mark.)
  LC_ALL=C awk -v expires="$expires" 'BEGIN { RS = "\n" } {
      line = $0; sub(/\r$/, "", line)
      if (NR == 1 && substr(line, 1, 3) == "\357\273\277") line = substr(line, 4)
      if (line == "[Signature]") exit
      if (line ~ /^Expires=/) next
      print $0
      if (line == "[belvane]") printf "Expires=%s\r\n", expires
    }' "$manifest" > "$body"
  grep -q '^Expires=' "$body" || { echo "$manifest: no section [belvane]" >&2; exit 2; }
else
  [[ -n "$version" && -n "$package" && -f "$package" && -n "$url" ]] ||
    { echo "--version, --package and --url are required" >&2; exit 2; }
  sha=$(sha256sum "$package" | cut -d' ' -f1)
  # The files the package installs (folders are not named), from a copy
  # unpacked here: tar's listing does not tell a folder from a file.
  mkdir "$work/unpacked"
  tar -xf "$package" -C "$work/unpacked"
  files=$(cd "$work/unpacked" && find . -type f | sed 's#^\./##' | LC_ALL=C sort | paste -sd';')
  [[ -n "$files" ]] || { echo "$package: no files in the package" >&2; exit 2; }
  # The byte-order mark lets the description be UTF-8.
  printf '\xEF\xBB\xBF[belvane]\r\nVerId=%s\r\nDescription=%s\r\nDownloadUrl=%s\r\nSHA256=%s\r\nFiles=%s\r\nExpires=%s\r\n' \
    "$version" "$description" "$url" "$sha" "$files" "$expires" > "$body"
fi

openssl pkeyutl -sign -inkey "$key" -rawin -in "$body" -out "$work/sig"
signature=$(od -An -tx1 "$work/sig" | tr -d ' \n')
{
  cat "$body"
  printf '[Signature]\r\nEd25519=%s\r\n' "$signature"
} > "$work/signed"

if [[ -n "$manifest" ]]; then
  cp "$work/signed" "$manifest"
else
  cat "$work/signed"
fi

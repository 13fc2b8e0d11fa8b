#!/usr/bin/env bash
# Makes a signed update manifest for a package: the package's SHA-256 goes
# into the manifest, and the Ed25519 signature of the whole text is added as
# its last section. The private key stays outside the repository; its public
# half is built into the program (src/update/signature.cpp, printed by
# --public-key).
#
#   scripts/sign-update.sh --key KEY.pem --version 1.2.3.45 --package FILE.tar \
#       --url https://.../FILE.tar [--description TEXT] > kalvo_AU.cfg
#   scripts/sign-update.sh --key KEY.pem --manifest MANIFEST   (signs an edited manifest in place)
#   scripts/sign-update.sh --key KEY.pem --public-key          (the 32 bytes, hexadecimal)
#
# A package is a ustar archive of the program's files, e.g.
#   tar --format=ustar -C install -cf FILE.tar belvane belvane-cli
set -euo pipefail

key="" version="" package="" url="" description="" manifest="" public=0
while [[ $# -gt 0 ]]; do
  case "$1" in
    --key) key="$2"; shift 2 ;;
    --version) version="$2"; shift 2 ;;
    --package) package="$2"; shift 2 ;;
    --url) url="$2"; shift 2 ;;
    --description) description="$2"; shift 2 ;;
    --manifest) manifest="$2"; shift 2 ;;
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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
body="$work/body"

if [[ -n "$manifest" ]]; then
  # Everything before an old signature section.
  awk 'BEGIN { RS = "\n" } { line = $0; sub(/\r$/, "", line); if (line == "[Signature]") exit; print $0 }' \
    "$manifest" > "$body"
else
  [[ -n "$version" && -n "$package" && -f "$package" && -n "$url" ]] ||
    { echo "--version, --package and --url are required" >&2; exit 2; }
  sha=$(sha256sum "$package" | cut -d' ' -f1)
  # The byte-order mark lets the description be UTF-8.
  printf '\xEF\xBB\xBF[belvane]\r\nVerId=%s\r\nDescription=%s\r\nDownloadUrl=%s\r\nSHA256=%s\r\n' \
    "$version" "$description" "$url" "$sha" > "$body"
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

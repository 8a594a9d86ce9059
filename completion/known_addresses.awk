# SPDX-License-Identifier: MIT
function address(text,   bytes, i, out) {
  if (split(tolower(text), bytes, /[:-]/) != 6) return ""
  for (i = 1; i <= 6; i++) {
    if (bytes[i] !~ /^[0-9a-f][0-9a-f]?$/) return ""
    out = out (i > 1 ? ":" : "") (length(bytes[i]) == 1 ? "0" : "") bytes[i]
  }
  return out
}
{ sub(/#.*/, "") }
NF && (mac = address($1)) != "" {
  if ($2 == "" ? mac in known : (mac, $2) in named) next
  known[mac]; named[mac, $2]; print mac, $2
}

# fish completion for weckwerk, with the rules of its bash completion. At the
# first argument it offers the MAC addresses this machine knows, from
# /etc/ethers and the neighbour table (ip neigh), each described by its host
# name, and completes a host name from /etc/ethers to its address where no
# other name and no address begins with the word. It never offers or
# inserts a text that the program would read as another address. Whatever
# is missing or malformed just gives fewer candidates. fish keeps only the
# candidates that the word matches, or whose description it matches: the
# colon form of a pasted address carries the word as its description, so
# that fish puts it in the word's place.

# The known addresses, one a line, as "address" or "address name", each
# address as six two-digit lower-case hex bytes joined by colons, once with
# each of its names: the awk program of the bash completion.
function __weckwerk_known_addresses
    begin
        test -r /etc/ethers; and cat /etc/ethers
        command -q ip; and ip neigh show | awk '{ for (i = 1; i < NF; i++) if ($i == "lladdr") print $(i + 1) }'
    end 2>/dev/null | awk '
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
      }' 2>/dev/null
end

# Prints the candidates for the word, one a line, as "candidate" or
# "candidate<TAB>description".
function __weckwerk_candidates
    set -l word (commandline -ct)
    # Twelve digits, alone or in the dotted form of switches, which the
    # program refuses or misreads: their colon form, in the case given.
    set -l digits (string replace -r '^([[:xdigit:]]{4})\.([[:xdigit:]]{4})\.([[:xdigit:]]{4})$' '$1$2$3' -- "$word")
    if string match -qr '^[[:xdigit:]]{12}$' -- $digits
        printf '%s\t%s\n' (string replace -r '^(..)(..)(..)(..)(..)(..)$' '$1:$2:$3:$4:$5:$6' -- $digits) $word
        return
    end

    # An address goes on with the separator and the letter case it was
    # begun with. A host name becomes its address only where no other name
    # and no address begins with the word: nas beside nas2 stays a name,
    # described by its address.
    set -l typed (string lower -- "$word" | string replace -a -- - :)
    set -l length (string length -- "$word")
    set -l separator :
    string match -q -- '*-*' "$word"; and set separator -
    set -l addresses
    set -l names
    set -l macs
    for line in (__weckwerk_known_addresses)
        set -l mac (string split -f 1 -- ' ' $line)
        set -l name (string split -m 1 -f 2 -- ' ' $line)
        # (string sub and set rather than "$(...)", which fish before 3.4 lacks)
        set -l begin (string sub -l $length -- $mac)
        if test "$begin" = "$typed"
            set -l styled (string replace -a -- : $separator $mac)
            string match -qr -- '[A-F]' "$word"; and set styled (string upper -- $styled)
            set -l rest (string sub -s (math $length + 1) -- $styled)
            set -l address "$word$rest"
            test -n "$name"; and set address "$address"\t"$name"
            set -a addresses $address
        end
        set begin (string sub -l $length -- "$name")
        if test -n "$word" -a -n "$name" -a "$begin" = "$word"
            set -a names $name
            set -a macs $mac
        end
    end
    string join \n -- $addresses
    if test (count $names) -eq 1 -a (count $addresses) -eq 0
        printf '%s\t%s\n' $macs $names
    else if test (count $names) -gt 0
        for i in (seq (count $names))
            printf '%s\t%s\n' $names[$i] $macs[$i]
        end
    end
    # Candidates that differ only in the last byte (the ports of one card)
    # begin alike into it, and fish would insert that beginning, which the
    # program reads as another whole address: 00:11:32:0a:0b:0 is sent as
    # 00:11:32:0a:0b:00. Their beginning up to the fifth separator, one more
    # candidate, stops it there (and a word that reaches into the last byte,
    # the user's own, does not match it).
    set -l offered (string replace -r '\t.*' '' -- $addresses) $names
    set -l sixth (string sub -l 16 -- $offered | sort -u)
    if test (count $sixth) -eq 1 -a (string length -- "$sixth[1]") -eq 16
        and test (printf '%s\n' $offered | sort -u | count) -gt 1
        string sub -l 15 -- $sixth
    end
end

# The program takes no file names.
complete -c weckwerk -f
complete -c weckwerk -n 'test (count (commandline -opc)) -eq 1' -a '(__weckwerk_candidates)'

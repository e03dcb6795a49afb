#!/bin/sh
# One utterance: "S" and the text when it starts, "E" and the text if it runs to
# its end without being cut off; each record ends with a record separator.
printf 'S%s\036' "$1" >>'@DIR@/captured'
sleep @SECONDS@
printf 'E%s\036' "$1" >>'@DIR@/captured'

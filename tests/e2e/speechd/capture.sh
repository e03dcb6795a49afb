#!/bin/sh
# One utterance: "S" and the text when it starts, "E" and the text if it runs to
# its end without being cut off. After the text, separated by unit separators,
# come when the record was written (nanoseconds since the epoch) and the voice
# the client asked for (rate, pitch, voice, language); each record ends with a record
# separator.
printf 'S%s\037%s\037%s\036' "$1" "$(date +%s%N)" "$2" >>'@DIR@/captured'
sleep @SECONDS@
printf 'E%s\037%s\037%s\036' "$1" "$(date +%s%N)" "$2" >>'@DIR@/captured'

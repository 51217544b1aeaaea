# Summarises start-up runs: input lines "PROGRAM MILLISECONDS [KILOBYTES]",
# programs started in turn. Prints each program's medians and Wagelyn's
# ratios to every other; a name's suffix ("wagelyn-de", "floor-de") names
# the settings it ran under, and Wagelyn is compared under the same ones.
# Each ratio is given twice: of the two medians, and as the median of the
# ratios within each round (the k-th run of each program), which shares the
# machine's state of the moment and so drifts far less.
function median(values, n,    i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && values[j-1] > values[j]; j--) {
        t = values[j]; values[j] = values[j-1]; values[j-1] = t
    }
    return n % 2 ? values[(n+1)/2] : (values[n/2] + values[n/2+1]) / 2
}
# A run that timed nothing (its window never showed) keeps its round, so
# that the rounds stay aligned, but counts in no median.
{ n[$1]++; ms[$1, n[$1]] = $2 + 0; kb[$1, n[$1]] = $3 + 0 }
END {
    for (p in n) {
        k = 0
        for (i = 1; i <= n[p]; i++) if (ms[p, i] > 0) { k++; a[k] = ms[p, i]; b[k] = kb[p, i] }
        timed[p] = k
        m[p] = median(a, k); r[p] = median(b, k)
        if (r[p] > 0) {
            printf "%-9s first paint %7.1f ms   resident %7.1f MB   (%d runs)\n", p, m[p], r[p] / 1024, timed[p]
        } else {
            printf "%-9s first paint %7.1f ms   (%d runs)\n", p, m[p], timed[p]
        }
    }
    for (p in n) {
        settings = index(p, "-") ? substr(p, index(p, "-")) : ""
        w = "wagelyn" settings
        if (p == w || !(w in n)) continue
        rounds = n[p] < n[w] ? n[p] : n[w]
        k = 0
        for (i = 1; i <= rounds; i++) if (ms[w, i] > 0 && ms[p, i] > 0) q[++k] = ms[w, i] / ms[p, i]
        paired = sprintf("(per round %6.3f)", median(q, k))
        if (r[p] > 0) {
            printf "%s / %-9s first paint %6.3f %s   resident %6.3f\n", w, p, m[w] / m[p], paired, r[w] / r[p]
        } else {
            printf "%s / %-9s first paint %6.3f %s\n", w, p, m[w] / m[p], paired
        }
    }
}

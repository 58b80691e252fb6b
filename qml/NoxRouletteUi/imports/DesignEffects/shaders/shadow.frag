#version 440
// A soft shadow of a rounded rectangle: the distance to the rectangle's edge fades the colour
// out over `blur` pixels.
layout(location = 0) in vec2 qt_TexCoord0;
layout(location = 0) out vec4 fragColor;
layout(std140, binding = 0) uniform buf {
    mat4 qt_Matrix;
    float qt_Opacity;
    vec4 color;
    vec2 itemSize;
    float radius;
    float blur;
};

void main()
{
    vec2 p = qt_TexCoord0 * itemSize - itemSize * 0.5;
    vec2 halfRect = itemSize * 0.5 - vec2(blur);
    vec2 q = abs(p) - halfRect + vec2(radius);
    float d = length(max(q, 0.0)) + min(max(q.x, q.y), 0.0) - radius;
    float a = 1.0 - smoothstep(-blur, blur, d);
    fragColor = color * a * qt_Opacity;
}
